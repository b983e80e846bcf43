#pragma once

#include "cli/OpenCompetition.h"
#include "scoring/ScoreRecord.h"
#include "scoring/ScoreTables.h"

#include <optional>
#include <string>
#include <vector>

namespace velk::cli {

// The score blocks of an open competition, read from the score file beside it, and the tables.
struct SessionScores {
    std::vector<TZitScoreObj> blocks;
    ScoreTables tables;

    // Reads the score file and the data tables; false with the messages on stderr.
    bool Load(OpenCompetition& open);
    // The current session's records.
    std::vector<TScoreObj>& Current(const Club& club) {
        return blocks[static_cast<std::size_t>(club.CurrentSession - 1)].Records;
    }
};

// A group selection as typed: "*" for all, a letter, or "A-C". nullopt (with the message) when
// it names no group of the competition.
std::optional<std::pair<int, int>> ParseGroupRange(const std::string& text, int groupCount);

} // namespace velk::cli
