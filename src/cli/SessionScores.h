#pragma once

#include "cli/OpenCompetition.h"
#include "core/files/MatchPointListFile.h"
#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreTables.h"
#include "scoring/StoredMatchPoints.h"

#include <optional>
#include <string>
#include <vector>

namespace velk::cli {

// The current session's scores of an open competition (read with it from the score file beside
// it) and the data tables.
struct SessionScores {
    ScoreTables tables;

    // Checks that the session has its score block and reads the data tables; false with the
    // message on stderr.
    bool Load(OpenCompetition& open);
    // The current session's records.
    static std::vector<TScoreObj>& Current(Club& club) {
        return club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)].Records;
    }
};

// A group selection as typed: "*" for all, a letter, or "A-C". nullopt (with the message) when
// it names no group of the competition.
std::optional<std::pair<int, int>> ParseGroupRange(const std::string& text, int groupCount);

// The list compute stored for the open competition's current session; nothing when there is none
// or it cannot be read, with `problem` saying which.
std::optional<std::vector<StoredMatchPoint>> ReadStoredMatchPoints(const Club& club, std::string& problem);

// Opens the file the command names at its --session with its scores and the match points compute
// stored for that session, laid over them (the records as they were summed): 0 when ready, else the exit
// status (the message on stderr).
int OpenComputedSession(OpenCompetition& open, const ArgParser& args, StoredSession& session);

} // namespace velk::cli
