#pragma once

#include "core/records/ScoreRecord.h"
#include "reports/PairPagesReport.h"

#include <string>
#include <string_view>
#include <vector>

namespace velk {

// One board a pair played, in the order of its rounds, with the running total and percentage
// after it: what the per-pair page and the results site's pair page both show.
struct PairBoardRow {
    int round = 0;
    int opponentRow = 0;
    int board = 0;  // in the session, from 1
    int number = 0; // as the club knows it
    bool northSouth = true;
    const TScoreObj* own = nullptr;
    const TScoreObj* opponent = nullptr; // the own record when the opponent has none
    int matchPoints = 0;                 // tenths, 0 where none
    long long runningTenths = 0;
    double runningPercentage = 0; // of the tops of the boards played so far
    bool lastOfRound = false;
};

// The record of pair row `row` on `board` of `group`; null outside the list.
const TScoreObj* PairBoardRecord(const PairPagesInput& in, int group, int board, int row);

// The score of a pair's own record: a bridge score as a number, a coded score by its letter and
// value, `notPlayed` for a board it did not play.
std::string PairBoardScore(const TScoreObj& r, std::string_view notPlayed);

std::vector<PairBoardRow> PairBoardRows(const PairPagesInput& in, int group, int row);

} // namespace velk
