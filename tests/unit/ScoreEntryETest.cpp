#include "scoring/ScoreEntryE.h"

#include "core/files/ScoreFile.h"
#include "core/records/ConfigRecord.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/IndividualTables.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreEntryCalculation.h"
#include "support/ClubBuilder.h"
#include "support/LoadedScoreTables.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;

namespace {

// Eight players at two tables, one group; four boards in two rounds of two. Round 1: table 1
// N1 Z2 O3 W4 on board group A, table 2 N5 Z6 O7 W8 on B. Round 2: table 1 N1 Z3 O2 W4 on B,
// table 2 N5 Z7 O6 W8 on A. Every board is played at both tables, so a board has four score rows
// and a top of 2. Neuberg off.
Club MakeIndividualClub() {
    Club club = test::MakeClub(8, 1, 2);
    club.CompetitionHead.ScoringMode = ModeIndividual;
    club.CompetitionHead.NeubergMode = NeubergOff;
    club.IsIndividual = true;
    TZitCalcObj& s = club.SessionList.front();
    s.BoardCount = 4;
    s.RoundCount = 2;
    s.BoardGroupCount = 2;
    s.BoardsPerRound = 2;
    s.FirstBoardNumber = 1;
    s.GroupPairs[0] = 8;
    club.CurrentSession = 1;
    club.SessionHead = s;
    club.SessionScoreList = {NewScoreBlock(1, 4, 8)};
    TZitSchemaObj schedule;
    schedule.Form = ScheduleForm::Individual;
    schedule.GroupCount = 1;
    schedule.RoundCount = 2;
    schedule.PlayerEntries.resize(5);
    const int seats[4][5] = {{1, 2, 3, 4, 'A'}, {5, 6, 7, 8, 'B'}, {1, 3, 2, 4, 'B'}, {5, 7, 6, 8, 'A'}};
    for (std::size_t i = 0; i < 4; ++i) {
        TSchemaObj1& e = schedule.PlayerEntries[i + 1];
        e.Table = static_cast<std::int16_t>(i % 2 + 1);
        e.N = static_cast<std::int16_t>(seats[i][0]);
        e.Z = static_cast<std::int16_t>(seats[i][1]);
        e.O = static_cast<std::int16_t>(seats[i][2]);
        e.W = static_cast<std::int16_t>(seats[i][3]);
        e.Letter = static_cast<std::uint8_t>(seats[i][4]);
    }
    club.SessionScheduleList = {schedule};
    return club;
}

const ScoreTables& Tables() {
    return test::LoadedScoreTables();
}

struct IndividualFixture : ::testing::Test {
    test::TempFolder folder;
    Club club = MakeIndividualClub();
    test::ScriptedDialogs dialogs;
    SessionScoreEntry made;
    ScoreEntryE* entry = nullptr;
    void SetUp() override {
        club.ScoreFilePath = folder.file("club_1.SCO");
        made = MakeSessionScoreEntry(club, Tables(), dialogs);
        entry = dynamic_cast<ScoreEntryE*>(made.entry.get());
        ASSERT_NE(entry, nullptr);
        ASSERT_TRUE(entry->open(ScoreEntry::Mode::PerBoard));
    }
    const TScoreObj& rec(int board, int row) const { return entry->record(board, row); }
};

} // namespace

TEST_F(IndividualFixture, TheTablesOfABoardTakeTwoScoreRowsEachInScheduleOrder) {
    EXPECT_EQ(IndividualRowCount(club, 1), 4);
    // Board 1 is board group A: round 1 table 1, then round 2 table 2.
    EXPECT_EQ(IndividualBoardTables(club, 1, 1),
              (std::vector<IndividualTable>{{1, 1, {1, 2, 3, 4}, 1, 2}, {2, 2, {5, 7, 6, 8}, 3, 4}}));
    EXPECT_EQ(IndividualBoardTables(club, 1, 3),
              (std::vector<IndividualTable>{{1, 2, {5, 6, 7, 8}, 1, 2}, {2, 1, {1, 3, 2, 4}, 3, 4}}));
    // Player 6 sits East on board 1 at the second table; player 2 East on board 3.
    EXPECT_EQ(FindPlayerSeat(club, 1, 1, 6), (PlayerSeat{4, 3, true}));
    EXPECT_EQ(FindPlayerSeat(club, 1, 3, 2), (PlayerSeat{4, 3, true}));
    EXPECT_EQ(FindPlayerSeat(club, 1, 2, 3), (PlayerSeat{2, 1, true}));
    EXPECT_EQ(FindPlayerSeat(club, 1, 4, 7), (PlayerSeat{2, 1, true}));
    EXPECT_FALSE(FindPlayerSeat(club, 1, 1, 9));
    // A schedule gone wrong that lets three tables play a board keeps the rows the group has.
    club.SessionScheduleList[0].PlayerEntries[2].Letter = 'A';
    club.SessionScheduleList[0].PlayerEntries[3].Letter = 'A';
    EXPECT_EQ(IndividualBoardTables(club, 1, 1).size(), 2u);
}

TEST_F(IndividualFixture, PerBoardOneRowPerTableWithBothSidesAndTheComplement) {
    EXPECT_EQ(entry->caption(), "Score invoeren per spel");
    const auto rows = entry->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(entry->playersText(0, false), "1-2");
    EXPECT_EQ(entry->playersText(0, true), "3-4");
    EXPECT_EQ(entry->playersText(1, false), "5-7");
    EXPECT_EQ(entry->playersText(1, true), "6-8");
    EXPECT_EQ(entry->pairLine(1), "Paar5 & Paar7 - Paar6 & Paar8");
    EXPECT_EQ(entry->headerLine(), "Groep A   Spel  1    ( 2 NZ-Scores ontbreken)");
    EXPECT_FALSE(entry->cellOpen(0, true));
    EXPECT_FALSE(entry->toggleContractMode());

    ASSERT_TRUE(entry->acceptScore(0, "420"));
    EXPECT_EQ(rec(1, 1).Score, 420);
    EXPECT_EQ(rec(1, 2).Score, -420);
    EXPECT_EQ(rec(1, 2).Direction, 1);
    EXPECT_EQ(entry->scoreText(0, true), "-420");
    EXPECT_EQ(entry->focusRow, 1);
    EXPECT_EQ(entry->headerLine(), "Groep A   Spel  1    ( 1 NZ-Score ontbreekt) ");
    ASSERT_TRUE(entry->acceptScore(1, "A60%"));
    EXPECT_EQ(entry->scoreText(1, true), "A40%");
    // An East-West score only with "Wijzig OW".
    EXPECT_FALSE(entry->acceptScore(0, "-400", true));
    EXPECT_EQ(dialogs.texts().back(), "Wijzigen niet toegestaan");
    entry->startChangeEastWest();
    ASSERT_TRUE(entry->acceptScore(0, "-400", true));
    EXPECT_EQ(rec(1, 2).Score, -400);
    EXPECT_EQ(rec(1, 1).Score, 420);

    // By table number, as the command line gives it: board 3 at table 1 is round 2's.
    ASSERT_TRUE(entry->acceptScoreAtTable(3, 1, "-50"));
    EXPECT_EQ(rec(3, 3).Score, -50);
    EXPECT_EQ(rec(3, 4).Score, 50);
    EXPECT_FALSE(entry->acceptScoreAtTable(3, 3, "50"));
    EXPECT_EQ(dialogs.texts().back(), "Geen Paar gevonden 50");
}

TEST_F(IndividualFixture, PerTableTheTablesLeadOnToTheNextRound) {
    ASSERT_TRUE(entry->open(ScoreEntry::Mode::PerTable));
    EXPECT_EQ(entry->caption(), "Score invoeren per tafel");
    auto rows = entry->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Board, 1);
    EXPECT_EQ(rows[1].PairRow, 1);
    ASSERT_TRUE(entry->nextBoard());
    EXPECT_EQ(entry->rows().front().Board, 3);
    ASSERT_TRUE(entry->nextBoard());
    EXPECT_EQ(entry->round, 2);
    EXPECT_EQ(entry->table, 1);
    rows = entry->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Board, 3);
    EXPECT_EQ(rows[0].PairRow, 3);
    EXPECT_EQ(entry->pairLine(0), "Paar1 & Paar3 - Paar2 & Paar4");
    ASSERT_TRUE(entry->previousBoard());
    EXPECT_EQ(entry->round, 1);
    EXPECT_EQ(entry->table, 2);
}

TEST_F(IndividualFixture, SavingReportsEveryEmptyScoreWithAbortRetryIgnore) {
    // Nothing typed: said once, and the file is written.
    ASSERT_TRUE(entry->saveGroup(false));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Geen scores ingevuld voor groep:A"}));
    EXPECT_TRUE(std::filesystem::exists(club.ScoreFilePath));

    ASSERT_TRUE(entry->acceptScore(0, "420"));
    entry->goToBoard(3);
    ASSERT_TRUE(entry->acceptScore(1, "110"));
    dialogs.messages.clear();
    // Abort: nothing written.
    dialogs.answer(Result::Abort);
    EXPECT_FALSE(entry->saveGroup(false));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Score is leeg, Spel: 1 Paar: 3"}));
    EXPECT_EQ(dialogs.messages.back().buttons, Button::Breek | Button::Opnieuw | Button::Negeren);
    EXPECT_TRUE(entry->dirty);
    // Retry: the cursor goes to the empty score.
    dialogs.answer(Result::Retry);
    EXPECT_FALSE(entry->saveGroup(false));
    EXPECT_EQ(entry->board, 1);
    EXPECT_EQ(entry->focusRow, 1);
    // Ignore: the other empty scores pass unreported; boards 1 to 4 miss a table.
    dialogs.messages.clear();
    dialogs.answer(Result::Ignore);
    ASSERT_TRUE(entry->saveGroup(false));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Score is leeg, Spel: 1 Paar: 3",
                                                         "Aantal niet gespeelde spellen :4 in Groep:A"}));
    EXPECT_FALSE(entry->dirty);
}

TEST_F(IndividualFixture, ComputedBoardsAndTheSessionRanksOfThePlayers) {
    // Board 1: 420 beats 400; board 2: equal; board 3: 100 at the first table, -100 at the
    // second; board 4: equal.
    const char* const scores[4][2] = {{"420", "400"}, {"140", "140"}, {"100", "-100"}, {"100", "100"}};
    for (int b = 1; b <= 4; ++b) {
        ASSERT_TRUE(entry->goToBoard(b));
        for (int t = 0; t < 2; ++t)
            ASSERT_TRUE(entry->acceptScore(t, scores[b - 1][t]));
    }
    ASSERT_TRUE(entry->goToBoard(1));
    ASSERT_TRUE(entry->compute());
    // The top is 2 (two tables): NZ 420 gets it, the 400 table's East-West too.
    ASSERT_EQ(entry->matchPointTexts.size(), 2u);
    EXPECT_EQ(entry->matchPointTexts[0], (std::array<std::string, 2>{"     2", "     0"}));
    EXPECT_EQ(entry->matchPointTexts[1], (std::array<std::string, 2>{"     0", "     2"}));

    ASSERT_TRUE(entry->saveAll(false));
    MatchPointCalculation calc(MatchPointSettings::Of(club), club.SessionScoreList[0].Records, Tables(),
                               dialogs);
    CopyMatchPointsOptions options;
    options.askFirst = false;
    ASSERT_TRUE(CopyMatchPoints(club, calc, Tables(), dialogs, 1, 1, options));
    // Each player collects the side they sat in, board by board; a percentage of the top of
    // 8 / 2 - 2 = 2 over 4 boards.
    const float points[9] = {0, 4, 6, 2, 4, 4, 6, 2, 4};
    const float percentages[9] = {0, 50, 75, 25, 50, 50, 75, 25, 50};
    const int ranks[9] = {0, 3, 1, 7, 3, 3, 1, 7, 3};
    const auto& rows = club.SessionList[0].Rows;
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_FLOAT_EQ(rows[static_cast<std::size_t>(k)].Points, points[k]);
        EXPECT_FLOAT_EQ(rows[static_cast<std::size_t>(k)].Percentage, percentages[k]);
        EXPECT_EQ(rows[static_cast<std::size_t>(k)].SessionRank, ranks[k]);
        EXPECT_EQ(rows[static_cast<std::size_t>(k)].BoardsPlayed, 4);
    }
}
