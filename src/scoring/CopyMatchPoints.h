#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreTables.h"
#include "scoring/SessionResults.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// The pair list in group order and, within each group, in GrpNr order: the rows of the score
// list and of the session then belong to the pairs they are numbered for.
bool IsStandardPairOrder(const Club& club);

struct CopyMatchPointsOptions {
    // Ask "Weet U zeker ..." first (the menu item does; a command line has decided already).
    bool askFirst = true;
    // Who met whom, from the session schedule; empty infers the sit-out opponents.
    OpponentLookup opponents;
    // Saves the competition file and the match points of the groups copied; empty leaves the
    // saving to the caller.
    std::function<bool(const std::vector<int>& copiedGroups)> save;
};

// The match points of every board of a group as the copy computes them: the sit-out detection,
// the unplayed boards with their report and questions, then the boards. Nothing (after the
// message) when the group played no board.
std::optional<SitOutDecision> ComputeGroupBoards(MatchPointCalculation& calc, int group, Dialogs& dialogs,
                                                 const OpponentLookup& opponents);

// The same for an individual competition: the unplayed boards with their report, then the boards;
// false (after the message) when the group played no board.
bool ComputeIndividualBoards(MatchPointCalculation& calc, int group, Dialogs& dialogs);

// "Verwerken M.P.in Competitie" for groups first..last of the current session: for each group the
// sit-out detection, the unplayed boards, the match points of every board, the sums, percentages
// and ranks; then the competition file is saved. Returns true when the results were copied (and
// saved, when a save was given).
bool CopyMatchPoints(Club& club, MatchPointCalculation& calc, const ScoreTables& tables, Dialogs& dialogs,
                     int firstGroup, int lastGroup, const CopyMatchPointsOptions& options = {});

// "Kopie  M.P naar andere &Groep": the scores of group `from` over those of group `to`, after the
// question. Returns true when copied; the caller saves the score list and then tells the user
// with CopiedGroupScoresText.
bool CopyGroupScores(const Club& club, std::vector<TScoreObj>& scores, Dialogs& dialogs, int from, int to);
std::string CopiedGroupScoresText(int from, int to, bool saved);

} // namespace velk
