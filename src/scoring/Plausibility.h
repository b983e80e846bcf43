#pragma once

#include "scoring/ScoreTables.h"

#include <cstdint>

namespace velk {

struct Plausibility {
    int Error = 0;          // ConversionError::NotPossible or FixedOutOfRange when refused
    std::uint8_t Flags = 0; // ScoreFlag::Doubtful ("?") or ScoreFlag::Remarkable ("!")
};

// Checks a converted score of `code` typed for `side` on `board`: a bridge score against the class
// table (skipped when the table could not be read), a percentage or match points against the range
// of the group's board top (`groupPairs` active pairs).
Plausibility
CheckPlausible(char code, int score, int side, int board, int groupPairs,
               const std::optional<std::array<std::uint8_t, ScoreTables::ScoreClassCount>>& classes);

} // namespace velk
