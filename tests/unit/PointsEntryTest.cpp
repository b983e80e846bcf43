// The points and substitutes window's rules, driven as the window drives them: cells typed as text,
// read back row by row, then "Reken" and "Ok".
#include "scoring/PointsEntry.h"

#include "core/records/ConfigRecord.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScriptedDialogs;

namespace {

// `groups` groups of `perGroup` pairs, session 1 of `sessions` current, 24 boards.
struct Points {
    Club club;
    ScriptedDialogs dialogs;
    ScoreTables tables;
    std::unique_ptr<PointsEntry> entry;

    Points(int groups, int perGroup, int sessions = 1, std::uint16_t mode = ModePairs,
           std::uint16_t calcMethod = CalcEachGroup)
        : club(MakeClub(groups * perGroup, groups, 0, sessions)) {
        club.ConfigRecord.Head.ScoringMode = mode;
        club.ConfigRecord.Head.CalcMethod = calcMethod;
        LoadHead(club);
        DeriveValues(club, nullptr);
        LoadSession(club, 1);
        club.CurrentSession = 1;
        club.SessionHead.BoardCount = 24;
        club.SessionHead.RoundCount = static_cast<std::int16_t>(perGroup - 1);
        StoreSession(club, 1);
        entry = std::make_unique<PointsEntry>(club, dialogs, tables);
    }
    TCalcObj& row(int n) { return club.SessionList[0].Rows[static_cast<std::size_t>(n)]; }
    std::optional<int> type(int row, const std::string& points, const std::string& subs = "0") {
        return entry->readRow(row, points, subs, "0");
    }
};

} // namespace

TEST(PointsEntry, PointsColumnRangePerScoringForm) {
    // Boards x (pairs in the ranking - 2): 24 x 10; IMPs 24 a board either way.
    struct Case {
        std::uint16_t mode;
        std::uint16_t calc;
        int max;
        int min;
    };
    for (const Case c :
         {Case{ModePairs, CalcEachGroup, 240, 0}, Case{ModePairs, CalcTopIntegral, 528, 0},
          Case{ModeIndividual, CalcEachGroup, 240, 0}, Case{ModeButler, CalcEachGroup, 576, -576},
          Case{ModeCrossImp, CalcEachGroup, 13824, -13824}}) {
        Points p(2, 12, 1, c.mode, c.calc);
        ASSERT_TRUE(p.entry->open());
        EXPECT_EQ(p.entry->limits().maximum, c.max) << c.mode << "/" << c.calc;
        EXPECT_EQ(p.entry->limits().minimum, c.min) << c.mode << "/" << c.calc;
    }
}

TEST(PointsEntry, PointsAbove240RefusedInGroupsOfTwelve) {
    Points p(2, 12);
    ASSERT_TRUE(p.entry->open());
    EXPECT_EQ(p.type(1, "240"), std::nullopt);
    EXPECT_FLOAT_EQ(p.row(1).Points, 240.0f);
    EXPECT_EQ(p.type(2, "240,01"), PointsEntry::PointsColumn);
    EXPECT_EQ(p.type(2, "241"), PointsEntry::PointsColumn);
    EXPECT_EQ(p.type(2, "-1"), PointsEntry::PointsColumn);
    EXPECT_EQ(p.dialogs.texts(), (std::vector<std::string>{"Waarde niet in bereik van 0 tot 240",
                                                           "Waarde niet in bereik van 0 tot 240",
                                                           "Waarde niet in bereik van 0 tot 0"}));
    EXPECT_FLOAT_EQ(p.row(2).Points, 0.0f);
    // A point for a comma, and an empty cell is 0.
    EXPECT_EQ(p.type(3, "130.5"), std::nullopt);
    EXPECT_FLOAT_EQ(p.row(3).Points, 130.5f);
    EXPECT_EQ(p.type(3, ""), std::nullopt);
    EXPECT_FLOAT_EQ(p.row(3).Points, 0.0f);
}

TEST(PointsEntry, SubstitutesAndRankCells) {
    Points p(1, 8);
    ASSERT_TRUE(p.entry->open());
    EXPECT_EQ(p.type(1, "50", "3"), PointsEntry::SubstitutesColumn);
    EXPECT_EQ(p.type(1, "50", "-3"), PointsEntry::SubstitutesColumn);
    EXPECT_EQ(p.type(1, "50", "x"), PointsEntry::SubstitutesColumn);
    EXPECT_EQ(p.dialogs.texts(),
              (std::vector<std::string>{"Waarde niet in bereik van 0 tot 2",
                                        "Waarde niet in bereik van 0 tot -2", "Invaller foutief"}));
    // A refused cell stores nothing of the row.
    EXPECT_FLOAT_EQ(p.row(1).Points, 0.0f);
    EXPECT_EQ(p.entry->readRow(1, "50", "-2", "4"), std::nullopt);
    EXPECT_EQ(p.row(1).Substitutes, -2);
    EXPECT_EQ(p.row(1).SessionRank, 4);
    // A pair that sat out shows "N.A." and keeps its count.
    p.row(2).Status = -2;
    p.row(3).Status = -1;
    EXPECT_EQ(p.entry->cellText(2, PointsEntry::SubstitutesColumn), "N.A.");
    EXPECT_EQ(p.entry->cellText(3, PointsEntry::SubstitutesColumn), "0");
    EXPECT_EQ(p.entry->readRow(2, "12", "N.A.", "0"), std::nullopt);
    EXPECT_FLOAT_EQ(p.row(2).Points, 12.0f);
    EXPECT_EQ(p.entry->cellText(2, PointsEntry::PointsColumn), "12.00");
    EXPECT_EQ(p.entry->cellText(1, PointsEntry::NameColumn), p.club.PairList[1].Naam.get());
}

TEST(PointsEntry, TwoSubstitutesCapSixtyTwoPercent) {
    // Group of 12, 24 boards: top 10, so a pair's percentage is points / 2.4. 148.8 points is 62 %;
    // the competition allows 55 % with one substitute and 45 % with two (its defaults).
    Points p(1, 12);
    ASSERT_TRUE(p.entry->open());
    ASSERT_EQ(p.club.CompetitionHead.MaxPctOneSub, 55.0);
    ASSERT_EQ(p.club.CompetitionHead.MaxPctTwoSubs, 45.0);
    EXPECT_EQ(p.type(1, "148,8", "2"), std::nullopt);
    EXPECT_EQ(p.type(2, "148,8", "1"), std::nullopt);
    EXPECT_EQ(p.type(3, "148,8", "0"), std::nullopt);
    for (int i = 4; i <= 12; ++i)
        EXPECT_EQ(p.type(i, "120"), std::nullopt);
    const auto total = p.entry->compute();
    ASSERT_TRUE(total);
    EXPECT_NEAR(*total, 3 * 148.8 + 9 * 120.0, 1e-3);
    EXPECT_NEAR(p.row(1).Percentage, 45.0, 1e-4);
    EXPECT_NEAR(p.row(2).Percentage, 55.0, 1e-4);
    EXPECT_NEAR(p.row(3).Percentage, 62.0, 1e-4);
    EXPECT_NEAR(p.row(4).Percentage, 50.0, 1e-4);
    // 62, 55, 50 (nine times), 45.
    EXPECT_EQ(p.row(3).SessionRank, 1);
    EXPECT_EQ(p.row(2).SessionRank, 2);
    EXPECT_EQ(p.row(4).SessionRank, 3);
    EXPECT_EQ(p.row(1).SessionRank, 12);
    EXPECT_EQ(p.entry->cellText(1, PointsEntry::RankColumn), "12");
    EXPECT_TRUE(p.dialogs.messages.empty());
}

TEST(PointsEntry, OkRecomputesEveryGroupAndSaves) {
    Points p(2, 4);
    ASSERT_TRUE(p.entry->open());
    // Group B: top 2, 24 boards; 36 points is 75 %.
    p.entry->draft().showGroup(2);
    EXPECT_EQ(p.entry->draft().firstRow(), 5);
    for (int i = 5; i <= 8; ++i)
        EXPECT_EQ(p.type(i, i == 5 ? "36" : "20"), std::nullopt);
    int saves = 0;
    p.dialogs.answerYes();
    p.dialogs.answerYes();
    PointsEntry::OkOptions options;
    options.save = [&] { return ++saves == 1; };
    EXPECT_TRUE(p.entry->ok(options));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(p.dialogs.texts(), (std::vector<std::string>{"Bereken (opnieuw) alle Matchpunten en Procenten",
                                                           "Velk\rBewaren van test_1.dba"}));
    EXPECT_NEAR(p.row(5).Percentage, 75.0, 1e-4);
    EXPECT_EQ(p.row(5).SessionRank, 1);
    EXPECT_EQ(int(p.club.PairList[5].Rang), 1);
    EXPECT_NEAR(p.row(5).CompetitionTotal, 75.0, 1e-4);
}

TEST(PointsEntry, SchrapPutsEverythingBack) {
    Points p(1, 8);
    ASSERT_TRUE(p.entry->open());
    const auto before = p.club.SessionList;
    EXPECT_EQ(p.type(1, "60", "1"), std::nullopt);
    ASSERT_TRUE(p.entry->compute());
    p.entry->cancel();
    EXPECT_EQ(p.club.SessionList, before);
    // Nothing changed and not the last session: Ok recomputes but does not ask to save.
    p.dialogs.messages.clear();
    p.dialogs.answerNo();
    EXPECT_FALSE(p.entry->ok({}));
    EXPECT_EQ(p.dialogs.texts(),
              (std::vector<std::string>{"Bereken (opnieuw) alle Matchpunten en Procenten"}));
}

TEST(PointsEntry, EarlierSessionAsksBeforeComputing) {
    Points p(1, 8, 2);
    ASSERT_TRUE(p.entry->open());
    EXPECT_EQ(p.type(1, "60"), std::nullopt);
    p.dialogs.answerNo();
    EXPECT_EQ(p.entry->compute(), std::nullopt);
    EXPECT_EQ(p.dialogs.texts(), (std::vector<std::string>{"Zitting is niet de laatste, toch doorgaan? "}));
    EXPECT_FLOAT_EQ(p.row(1).Percentage, 0.0f);
}

TEST(PointsEntry, TextsOfTheWindow) {
    Points p(2, 8);
    p.club.CompetitionNumber = 3;
    p.club.SessionHead.SessionDate.set("15-12-2026");
    p.club.SessionHead.RoundCount = 7;
    p.club.SessionHead.BoardGroupCount = 7;
    ASSERT_TRUE(p.entry->open());
    EXPECT_EQ(p.entry->caption(), "Invoeren punten en invallers (C = 3, Z = 1)");
    EXPECT_EQ(p.entry->dateLabel(), "\rSpeeldatum = 15-12-2026");
    EXPECT_EQ(
        p.entry->sessionDataText(),
        "Ziitting data\rComp index = 3\rSpeel mode = Paren\rZitting index = 1\rAantal zittingen = 6\r"
        "Aantal paren = 16\rAantal tafels = 8\rAantal spellen = 24\rAantal ronden = 7\rSpelgroepen = 7\r"
        "Speeldatum = 15-12-26");
    p.club.SessionHead.TwoLines = 1;
    p.row(10).SessionRank = 3;
    EXPECT_EQ(p.entry->dateLabel(), " Scheveningen, 2 lijnen; datum = 15-12-2026");
    EXPECT_EQ(p.entry->cellText(10, PointsEntry::RankColumn), "      3");
    EXPECT_EQ(p.entry->cellText(9, PointsEntry::GroupColumn), "B");
    EXPECT_EQ(PointsEntry::helpContextOf(PointsEntry::PointsColumn), 431);
    EXPECT_EQ(PointsEntry::helpContextOf(PointsEntry::SubstitutesColumn), 432);
    EXPECT_EQ(PointsEntry::helpContextOf(PointsEntry::RankColumn), 430);
}

TEST(PointsEntry, GroupStepsRefusedWhileEditing) {
    Points p(3, 4);
    ASSERT_TRUE(p.entry->open());
    ResultsDraft& d = p.entry->draft();
    EXPECT_FALSE(d.stepGroup(-1, false, p.dialogs));
    EXPECT_TRUE(d.stepGroup(1, false, p.dialogs));
    EXPECT_FALSE(d.stepGroup(1, true, p.dialogs));
    EXPECT_EQ(d.group(), 2);
    EXPECT_EQ(p.dialogs.texts(), (std::vector<std::string>{"Editor mode is actief, druk Enter"}));
    EXPECT_TRUE(d.stepGroup(5, false, p.dialogs));
    EXPECT_EQ(d.group(), 3);
    EXPECT_EQ(d.firstRow(), 9);
    EXPECT_EQ(d.shownRows(), 4);
}

TEST(PointsEntry, MovedPairTakesItsRowsInEverySession) {
    Points p(1, 4, 2);
    for (int z = 0; z < 2; ++z)
        for (int i = 1; i <= 4; ++i)
            p.club.SessionList[static_cast<std::size_t>(z)].Rows[static_cast<std::size_t>(i)].Points =
                static_cast<float>(10 * (z + 1) + i);
    const std::string first = p.club.PairList[1].Naam.get();
    ASSERT_TRUE(p.entry->open());
    ASSERT_TRUE(p.entry->movePair(1, 3));
    // Rows 2, 3, 1, 4 in both sessions, the list renumbered.
    for (int z = 0; z < 2; ++z) {
        const auto& rows = p.club.SessionList[static_cast<std::size_t>(z)].Rows;
        const float base = static_cast<float>(10 * (z + 1));
        EXPECT_EQ(rows[1].Points, base + 2);
        EXPECT_EQ(rows[2].Points, base + 3);
        EXPECT_EQ(rows[3].Points, base + 1);
        EXPECT_EQ(rows[4].Points, base + 4);
    }
    EXPECT_EQ(p.club.PairList[3].Naam.get(), first);
    EXPECT_EQ(p.club.PairList[3].Indx, 3);
    EXPECT_FALSE(p.entry->movePair(2, 5));
    p.entry->cancel();
    EXPECT_EQ(p.club.PairList[1].Naam.get(), first);
    EXPECT_EQ(p.club.SessionList[1].Rows[1].Points, 21.0f);
}
