#pragma once

#include "club/Club.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velk {

// How every later part finds who plays whom on which boards: through the current session's
// schedule only. Pair and player numbers are competition-wide, tables session-wide.

// ((group - 1) x RoundCount + round - 1) x TablesPerGroup; 0 while no session is selected.
int ScheduleIndex(const Club& club, int round, int group);

// The entry of group g, round r, table t (t within the group); null outside the list.
const TSchemaObj* ScheduleEntry(const Club& club, int group, int round, int table);
const TSchemaObj1* PlayerScheduleEntry(const Club& club, int group, int round, int table);

// Whether the current session's schedule holds group g: some table of it seats a pair or player.
bool GroupInSchedule(const Club& club, int group);

// Where a pair sits in a round.
struct PairPosition {
    int Table = 0;          // session-wide
    bool NorthSouth = true; // else East-West
    int Opponent = 0;
    std::uint8_t Letter = kBlankLetter;
    bool operator==(const PairPosition&) const = default;
};
// Nothing when the pair sits out the round (or the schedule does not reach it).
std::optional<PairPosition> FindPairPosition(const Club& club, int pair, int round);

struct PlayerPosition {
    int Table = 0;
    char Seat = 'N'; // 'N', 'Z', 'O' or 'W'
    std::uint8_t Letter = kBlankLetter;
    bool operator==(const PlayerPosition&) const = default;
};
std::optional<PlayerPosition> FindPlayerPosition(const Club& club, int player, int round);

// The label of a session-wide table ("B3"); empty when there is none.
std::string TableLabel(const Club& club, int table);

// The boards a board group letter stands for: Count boards from First on.
struct BoardRange {
    int First = 0;
    int Count = 0;
    bool operator==(const BoardRange&) const = default;
};
std::optional<BoardRange> BoardsOfBoardGroup(const Club& club, std::uint8_t letter);

// The letter of the board counted `boardOrdinal`-th in the session (from 1); blank when out of range.
std::uint8_t BoardGroupOfBoard(const Club& club, int boardOrdinal);

} // namespace velk
