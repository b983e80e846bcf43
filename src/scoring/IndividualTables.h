#pragma once

#include "club/Club.h"

#include <array>
#include <optional>
#include <vector>

namespace velk {

// Individual competitions keep one score record per side of a table, not per player: on a board
// the k-th table that plays it (rounds in order, tables in order within a round) has North-South
// in score row 2k - 1 and East-West in row 2k. Rows therefore run up to half the group's players.

// One table that played a board in an individual competition.
struct IndividualTable {
    int Round = 0;
    int Table = 0;                // within the group
    std::array<int, 4> Players{}; // N, Z, O, W as rows of the group, 0 for an empty seat
    int NorthSouthRow = 0;
    int EastWestRow = 0;
    bool operator==(const IndividualTable&) const = default;
};

// The score rows of a group in an individual competition: half its active players.
int IndividualRowCount(const Club& club, int group);

// The tables of `group` that play `board` (counted in the session, from 1), in record order.
std::vector<IndividualTable> IndividualBoardTables(const Club& club, int group, int board);

// Where a player sat on a board: the score row of the player's side and the row opposite.
struct PlayerSeat {
    int Row = 0;
    int OpponentRow = 0;
    bool EastWest = false;
    bool operator==(const PlayerSeat&) const = default;
};

// The opponent lookup over the four seats: the table where the board's board group is played with
// player row `playerRow` in any seat. Nothing when the player did not play the board.
std::optional<PlayerSeat> FindPlayerSeat(const Club& club, int group, int board, int playerRow);

} // namespace velk
