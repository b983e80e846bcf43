#pragma once

#include "club/Club.h"
#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointCalculation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// One table's result on a board, as the exports write it: the pairs by their number in the group,
// the contract and tricks when the score was played, the North-South score and the stored match
// points of both sides (tenths; kNoMatchPoints for a side without).
struct TravellerLine {
    int northSouthPair = 0;
    int eastWestPair = 0;
    int northSouthRow = 0;     // the North-South pair's row in the group
    std::string contract;      // "4HX", "3NT", "PASS"; empty for an adjusted or unreadable one
    std::optional<int> tricks; // declarer's tricks
    bool adjusted = false;     // an arbitral or coded score: no score of play
    bool declarerNorthSouth = true;
    int northSouthScore = 0;
    int northSouthPoints = 0;
    int eastWestPoints = 0;
};

// The lines of board `board` (counted in the session, from 1) of `group`: one per table that
// played it with a score, the North-South record holding the table's score, from the stored
// records and match points of the current session.
std::vector<TravellerLine> TravellerLines(const Club& club, const std::vector<TScoreObj>& scores,
                                          const std::vector<TMatchPObj>& matchPoints, int group, int board);

// Tricks taken from the level and the result ("C", "+1", "-2"); nothing when unreadable.
std::optional<int> ContractTricks(std::string_view contract, std::string_view result);

} // namespace velk
