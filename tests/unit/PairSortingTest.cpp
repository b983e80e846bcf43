#include "club/PairSorting.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// A club of `groups` groups of `perGroup` pairs in list order, with `sessions` sessions whose
// rows carry the pair's ClubNr and a recognisable number of points.
Club MakeClub(int groups, int perGroup, int sessions = 2) {
    Club club;
    club.CompetitionHead.GroupCount = static_cast<std::int16_t>(groups);
    club.CompetitionHead.PairCount = static_cast<std::int16_t>(groups * perGroup);
    club.PairsPerGroup = perGroup;
    club.PairList.push_back(MakeHeaderRecord(2026, "test.dba", true));
    for (int n = 1; n <= groups * perGroup; ++n)
        club.PairList.push_back(MakeNewPair(n, perGroup, groups, false));
    for (int s = 1; s <= sessions; ++s) {
        TZitCalcObj session;
        session.SessionNr = static_cast<std::int16_t>(s);
        for (const auto& pair : club.PairList) {
            TCalcObj row = TCalcObj::NewRow(pair.ClubNr);
            row.Points = static_cast<float>(pair.ClubNr * 10 + s);
            session.Rows.push_back(row);
        }
        club.SessionList.push_back(session);
    }
    for (int g = 0; g < groups; ++g)
        club.SessionHead.GroupPairs[static_cast<std::size_t>(g)] = static_cast<std::int16_t>(perGroup);
    return club;
}

TParenObj& Pair(Club& club, int position) {
    return club.PairList.at(static_cast<std::size_t>(position));
}

// "B3" for the pair at a list position.
std::string Label(Club& club, int position) {
    const TParenObj& p = Pair(club, position);
    return std::string(1, static_cast<char>(p.Groep)) + std::to_string(p.GrpNr);
}

// Every row must still belong to the pair at its position.
void ExpectRowsFollowPairs(const Club& club) {
    for (const auto& session : club.SessionList)
        for (std::size_t i = 1; i < club.PairList.size(); ++i) {
            EXPECT_EQ(session.Rows[i].ClubNr, club.PairList[i].ClubNr) << "row " << i;
            EXPECT_EQ(session.Rows[i].Points,
                      static_cast<float>(club.PairList[i].ClubNr * 10 + session.SessionNr));
        }
}

} // namespace

TEST(PairSorting, SortingOneGroupLeavesTheOthersAndTheirRowsAlone) {
    Club club = MakeClub(3, 4);
    // Reverse the ranks everywhere, so every group would change if it were sorted.
    for (int p = 1; p <= 12; ++p)
        Pair(club, p).Rang = static_cast<std::int16_t>(5 - Pair(club, p).GrpNr);
    const Club before = club;

    SortPairs(club, 2, SortKey::Plaats, SortScope::Groep, false);

    for (int p : {1, 2, 3, 4, 9, 10, 11, 12}) {
        EXPECT_EQ(Pair(club, p), before.PairList[static_cast<std::size_t>(p)]);
        for (std::size_t s = 0; s < club.SessionList.size(); ++s)
            EXPECT_EQ(club.SessionList[s].Rows[static_cast<std::size_t>(p)],
                      before.SessionList[s].Rows[static_cast<std::size_t>(p)]);
    }
    EXPECT_EQ(Pair(club, 5).ClubNr, 8);
    EXPECT_EQ(Pair(club, 8).ClubNr, 5);
    ExpectRowsFollowPairs(club);
}

TEST(PairSorting, EqualKeysKeepTheirOrder) {
    Club club = MakeClub(1, 6);
    const std::int16_t ranks[] = {0, 2, 1, 2, 1, 2, 1};
    for (int p = 1; p <= 6; ++p)
        Pair(club, p).Rang = ranks[p];

    SortPairs(club, 0, SortKey::Plaats, SortScope::Groep, false);

    std::vector<int> order;
    for (int p = 1; p <= 6; ++p)
        order.push_back(Pair(club, p).ClubNr);
    EXPECT_EQ(order, (std::vector<int>{2, 4, 6, 1, 3, 5}));
    ExpectRowsFollowPairs(club);
}

TEST(PairSorting, RegroupModeLeavesTheRowsInPlace) {
    Club club = MakeClub(1, 4);
    for (int p = 1; p <= 4; ++p)
        Pair(club, p).Rang = static_cast<std::int16_t>(5 - p);
    const auto rowsBefore = club.SessionList[0].Rows;

    SortPairs(club, 0, SortKey::Plaats, SortScope::Groep, true);

    EXPECT_EQ(Pair(club, 1).ClubNr, 4);
    EXPECT_EQ(club.SessionList[0].Rows, rowsBefore);
}

TEST(PairSorting, NameKeyStartsAtTheFirstCapital) {
    Club club = MakeClub(1, 4);
    Pair(club, 1).Naam.set("van Dam - de Wit");         // key "Dam - de Wit"
    Pair(club, 2).Naam.set("Bakker - Smit");            // key "Bakker - Smi"
    Pair(club, 3).Naam.set("de heer en mevrouw Zwart"); // no capital in 11: "mevrouw Zwar"
    Pair(club, 4).Naam.set("Achterberg");

    SortPairs(club, 0, SortKey::Naam, SortScope::Groep, false);

    // Lower case sorts after the capitals, as bytes.
    EXPECT_EQ(Pair(club, 1).Naam.get(), "Achterberg");
    EXPECT_EQ(Pair(club, 2).Naam.get(), "Bakker - Smit");
    EXPECT_EQ(Pair(club, 3).Naam.get(), "van Dam - de Wit");
    EXPECT_EQ(Pair(club, 4).Naam.get(), "de heer en mevrouw Zwart");
    ExpectRowsFollowPairs(club);
}

TEST(PairSorting, APairWithoutANameNeverMovesUp) {
    Club club = MakeClub(2, 3);
    Pair(club, 3).Naam.set("");
    Pair(club, 3).GrpNr = 1;    // A1 again, but nameless
    Pair(club, 4).Naam.set(""); // B1 at the top of B

    // Across the club the keys are far above 1000; the nameless pair still stays put.
    SortPairs(club, 0, SortKey::GrpNr, SortScope::Club, false);

    EXPECT_EQ(Pair(club, 3).ClubNr, 3);
    EXPECT_EQ(Pair(club, 4).ClubNr, 4);
    ExpectRowsFollowPairs(club);
}

TEST(PairSorting, ClubScopeKeepsGroupsInLetterOrder) {
    Club club = MakeClub(2, 3);
    // B-pairs first in the list, and a group number past 128 must not mix the groups.
    std::swap(club.PairList[1], club.PairList[4]);
    for (auto& session : club.SessionList)
        std::swap(session.Rows[1], session.Rows[4]);
    Pair(club, 2).GrpNr = 200;

    SortPairs(club, 0, SortKey::GrpNr, SortScope::Club, false);

    EXPECT_EQ(Label(club, 1), "A1");
    EXPECT_EQ(Label(club, 2), "A3");
    EXPECT_EQ(Label(club, 3), "A200");
    EXPECT_EQ(Label(club, 4), "B1");
    ExpectRowsFollowPairs(club);
}

TEST(PairSorting, NeedSortFirstAfterTheDialog) {
    EXPECT_FALSE(NeedSortFirstAfter({SortKey::GrpNr, SortScope::Groep}));
    EXPECT_TRUE(NeedSortFirstAfter({SortKey::ClubNr, SortScope::Club}));
    EXPECT_TRUE(NeedSortFirstAfter({SortKey::GrpNr, SortScope::Club}));
    EXPECT_TRUE(NeedSortFirstAfter({SortKey::Naam, SortScope::Groep}));
}

TEST(PairSorting, SortingSurvivesAShortPairList) {
    Club club = MakeClub(2, 4, 1);
    club.PairList.resize(6); // fewer records than PairCount says
    club.SessionList[0].Rows.resize(3);
    for (int p = 1; p <= 5; ++p)
        Pair(club, p).Rang = static_cast<std::int16_t>(10 - p);
    SortPairs(club, 0, SortKey::Plaats, SortScope::Club, false);
    SortPairs(club, 0, SortKey::Plaats, SortScope::Groep, false);
    RegroupForNextCompetition(club);
    EXPECT_EQ(club.PairList.size(), 6u);
}

namespace {
// Ranks in reverse list order, so the rank order differs from the list order.
void RankGroupsInReverse(Club& club, int groups, int perGroup) {
    for (int g = 0; g < groups; ++g)
        for (int j = 1; j <= perGroup; ++j)
            Pair(club, g * perGroup + j).Rang = static_cast<std::int16_t>(perGroup + 1 - j);
}
} // namespace

TEST(Regrouping, TwoGroupsOfTenWithTwoDegradations) {
    Club club = MakeClub(2, 10);
    RankGroupsInReverse(club, 2, 10);
    club.ConfigRecord.Degradations[0] = 2;
    club.ConfigRecord.PromotionsUp[1] = 2;
    const auto rowsBefore = club.SessionList;

    RegroupForNextCompetition(club);

    // Ranks 9 and 10 of A (ClubNr 2 and 1) become B1 and B2.
    EXPECT_EQ(Label(club, 11), "B1");
    EXPECT_EQ(Pair(club, 11).ClubNr, 2);
    EXPECT_EQ(Label(club, 12), "B2");
    EXPECT_EQ(Pair(club, 12).ClubNr, 1);
    // Ranks 1 and 2 of B (ClubNr 20 and 19) become A9 and A10.
    EXPECT_EQ(Label(club, 9), "A9");
    EXPECT_EQ(Pair(club, 9).ClubNr, 20);
    EXPECT_EQ(Label(club, 10), "A10");
    EXPECT_EQ(Pair(club, 10).ClubNr, 19);
    // A keeps ranks 1..8 as A1..A8; the rest of B keeps 3..10 in rank order.
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(Label(club, j), "A" + std::to_string(j));
        EXPECT_EQ(Pair(club, j).Rang, j);
    }
    for (int j = 3; j <= 10; ++j) {
        EXPECT_EQ(Label(club, 10 + j), "B" + std::to_string(j));
        EXPECT_EQ(Pair(club, 10 + j).Rang, j);
    }
    // The result rows are not moved.
    EXPECT_EQ(club.SessionList, rowsBefore);
}

TEST(Regrouping, NoDegradationsOnlyRenumbersByRank) {
    Club club = MakeClub(3, 4);
    RankGroupsInReverse(club, 3, 4);

    RegroupForNextCompetition(club);

    for (int g = 0; g < 3; ++g)
        for (int j = 1; j <= 4; ++j) {
            const int p = g * 4 + j;
            EXPECT_EQ(Label(club, p), std::string(1, GroupLetter(g + 1)) + std::to_string(j));
            EXPECT_EQ(Pair(club, p).Rang, j);
            EXPECT_EQ(Pair(club, p).ClubNr, g * 4 + 5 - j);
        }
}

TEST(Regrouping, OneGroupChangesNothing) {
    Club club = MakeClub(1, 6);
    RankGroupsInReverse(club, 1, 6);
    const Club before = club;
    RegroupForNextCompetition(club);
    EXPECT_EQ(club.PairList, before.PairList);
}

TEST(Regrouping, GroupsOfUnequalSizeAreNumberedByTheirOwnSize) {
    // Groups of 6 places; 6 pairs played in A, only 4 in B (B5 and B6 sat out, no rank).
    Club club = MakeClub(2, 6);
    RankGroupsInReverse(club, 1, 6);
    for (int j = 1; j <= 4; ++j)
        Pair(club, 6 + j).Rang = static_cast<std::int16_t>(5 - j);
    Pair(club, 11).Rang = 0;
    Pair(club, 12).Rang = 0;
    club.SessionHead.GroupPairs[1] = 4;
    club.ConfigRecord.Degradations[0] = 2;
    club.ConfigRecord.PromotionsUp[1] = 2;

    RegroupForNextCompetition(club);

    std::vector<std::string> labels;
    std::vector<int> clubNrs;
    for (int p = 1; p <= 12; ++p) {
        labels.push_back(Label(club, p));
        clubNrs.push_back(Pair(club, p).ClubNr);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"A1", "A2", "A3", "A4", "A5", "A6", "B1", "B2", "B3", "B4",
                                                "B5", "B6"}));
    // A: ranks 1..4 of A, then ranks 1 and 2 of B; B: ranks 5, 6 of A, ranks 3, 4 of B, then the
    // two pairs that sat out.
    EXPECT_EQ(clubNrs, (std::vector<int>{6, 5, 4, 3, 10, 9, 2, 1, 8, 7, 11, 12}));
}
