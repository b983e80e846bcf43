#pragma once

#include "club/Club.h"
#include "club/CompetitionData.h"
#include "club/Sessions.h"

namespace velk::test {

// A competition as the new-file wizard leaves it: default pairs and `sessions` new sessions.
inline Club MakeClub(int pairs, int groups, int tables = 0, int sessions = 1, bool competition = true) {
    Club club;
    club.IsCompetition = competition;
    club.TodayText = "08-12-2026";
    club.SeasonYear = 2026;
    club.ConfigRecord = NewConfigRecord(competition);
    club.SlamBonusTable = NewSlamBonusTable();
    club.ConfigRecord.Head.PairCount = static_cast<std::int16_t>(pairs);
    club.ConfigRecord.Head.GroupCount = static_cast<std::int16_t>(groups);
    club.ConfigRecord.Head.TableCount = static_cast<std::int16_t>(tables > 0 ? tables : pairs / 2);
    club.ConfigRecord.Head.SessionsPerCompetition = competition ? 6 : 1;
    LoadHead(club);
    DeriveValues(club, nullptr);
    club.CompetitionNumber = competition ? 1 : 0;
    club.ClubFileName = "test_1.dba";
    club.PairList.push_back(MakeHeaderRecord(2026, club.ClubFileName, competition));
    for (int n = 1; n <= pairs; ++n)
        club.PairList.push_back(MakeNewPair(n, club.PairsPerGroup, groups, club.IsIndividual));
    for (int s = 0; s < sessions; ++s)
        AppendNewSession(club);
    return club;
}

// What the group and session choices look at: `groups` groups of 10 pairs, session 3 of 3 current,
// 24 boards of 4 a round.
inline Club MakeSelectionClub(int groups, std::uint16_t calcMethod = CalcEachGroup) {
    Club club;
    club.CompetitionHead.GroupCount = static_cast<std::int16_t>(groups);
    club.CompetitionHead.PairCount = static_cast<std::int16_t>(groups * 10);
    club.CompetitionHead.CalcMethod = calcMethod;
    club.PairsPerGroup = 10;
    club.SessionList.resize(3);
    club.CurrentSession = 3;
    club.SessionHead.BoardCount = 24;
    club.SessionHead.BoardsPerRound = 4;
    return club;
}

} // namespace velk::test
