#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreEntry.h"

#include <memory>

namespace velk {

// Score entry driving the session's match-point calculation: "Reken" computes one board for
// display, "Bewaar" counts the group's unplayed boards with their report and finds the sit-out
// pair (the codes of the sit-out come with the copy into the session). `calc` must work on the
// score block the entry edits and outlive the hooks.
ScoreEntryHooks CalculationHooks(MatchPointCalculation& calc);

// The score entry of the open competition as the window and the command line both use it: the
// individual form (ScoreEntryE) in "Enkel", else ScoreEntry, with the current session's
// calculation behind its hooks (none when the session has no score block; open() then says so).
struct SessionScoreEntry {
    std::unique_ptr<MatchPointCalculation> calc;
    std::unique_ptr<ScoreEntry> entry;
};
SessionScoreEntry MakeSessionScoreEntry(Club& club, const ScoreTables& tables, Dialogs& dialogs);

// Whether the competition is scored with the individual form.
bool ScoresIndividually(const Club& club);

} // namespace velk
