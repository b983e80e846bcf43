#pragma once

#include "club/Club.h"
#include "scoring/SessionResults.h"

#include <optional>

namespace velk {

// Where a pair played a board of the current session, as the session schedule says.
struct BoardSeat {
    int Round = 0;
    int Table = 0;          // within the group
    bool NorthSouth = true; // else East-West
    int OpponentRow = 0;    // pair row within the group
    bool operator==(const BoardSeat&) const = default;
};

// The seat of pair row `pairRow` of `group` on board `board` (the board counted in the session,
// from 1): the schedule is searched round by round and table by table for the table where the
// board's board group is played with the pair North-South, then East-West. Nothing when the pair
// did not play the board.
std::optional<BoardSeat> FindBoardSeat(const Club& club, int group, int board, int pairRow);

// The opponents' pair row, 0 when none.
int OpponentRow(const Club& club, int group, int board, int pairRow);

// Who met whom for the sit-out detection, from the current session's schedule. A group whose
// schedule is still blank answers kOpponentUnknown, so the opponents are inferred from the scores.
OpponentLookup ScheduleOpponents(const Club& club);

} // namespace velk
