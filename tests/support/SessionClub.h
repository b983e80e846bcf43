#pragma once

#include "club/Club.h"
#include "core/records/ScoreRecord.h"
#include "support/ClubBuilder.h"

namespace velk::test {

// `pairs` pairs in `groups` groups whose first session plays `boards` boards in `rounds` rounds of
// `perRound`, with an empty score block and a schedule of `rounds` x `tables` entries.
inline Club MakeSessionClub(int pairs, int groups, int boards, int rounds, int perRound, int tables) {
    Club club = test::MakeClub(pairs, groups);
    TZitCalcObj& s = club.SessionList.front();
    s.BoardCount = static_cast<std::int16_t>(boards);
    s.RoundCount = static_cast<std::int16_t>(rounds);
    s.BoardGroupCount = static_cast<std::int16_t>(boards / perRound);
    s.BoardsPerRound = static_cast<std::int16_t>(perRound);
    s.FirstBoardNumber = 1;
    club.CurrentSession = 1;
    club.SessionHead = s;
    club.SessionScoreList = {NewScoreBlock(1, boards, pairs)};
    TZitSchemaObj schedule;
    schedule.GroupCount = static_cast<std::int16_t>(groups);
    schedule.RoundCount = static_cast<std::int16_t>(rounds);
    schedule.Entries.resize(static_cast<std::size_t>(1 + groups * rounds * tables));
    club.SessionScheduleList = {schedule};
    return club;
}

inline void SetEntry(Club& club, int round, int table, int tables, int ns, int ew, char letter) {
    TSchemaObj& e =
        club.SessionScheduleList.front().Entries[static_cast<std::size_t>((round - 1) * tables + table)];
    e.Table = static_cast<std::int16_t>(table);
    e.NS = static_cast<std::int16_t>(ns);
    e.EW = static_cast<std::int16_t>(ew);
    e.Letter = static_cast<std::uint8_t>(letter);
}

// Two groups of 8 pairs at 4 tables; a session of 8 boards in 4 board groups of 2, 2 rounds. Only
// group A has a schedule: in round r at table t pair t sits North-South against pair
// 4 + ((t + r - 2) mod 4) + 1 on board group (t - r) mod 4.
inline Club MakeTwoRoundClub() {
    Club club = MakeSessionClub(16, 2, 8, 2, 2, 4);
    for (int r = 1; r <= 2; ++r)
        for (int t = 1; t <= 4; ++t)
            SetEntry(club, r, t, 4, t, 4 + (t + r - 2) % 4 + 1,
                     static_cast<char>('A' + ((t - r) % 4 + 4) % 4));
    return club;
}

} // namespace velk::test
