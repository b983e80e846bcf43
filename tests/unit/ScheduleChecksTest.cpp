#include "schedules/BorrowHints.h"
#include "schedules/ScheduleCells.h"
#include "schedules/ScheduleFieldCheck.h"
#include "schedules/WholeScheduleCheck.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

const ScheduleCounts kCounts{8, 6, 5, 4};

// A round of six tables in view 1, table t in row t - 1, every table in play.
std::vector<ScheduleRow> FullRound() {
    std::vector<ScheduleRow> rows;
    for (int t = 1; t <= 6; ++t)
        rows.push_back({std::to_string(t), "", "", "A"});
    return rows;
}

std::string OnlyMessage(const ScriptedDialogs& d) {
    EXPECT_EQ(d.messages.size(), 1u);
    return d.messages.empty() ? std::string() : d.messages.front().text;
}

} // namespace

TEST(CellCheck, EachMessageOnce) {
    struct Case {
        std::vector<ScheduleRow> rows;
        std::string message;
        CellPosition where;
    };
    const std::vector<Case> cases = {
        {{{"1", "1", "2", "A"}, {"1", "3", "4", "B"}},
         "1 : tafelnummer(s) niet correct",
         {1, ScheduleField::Table}},
        {{{"257", "1", "2", "A"}}, "257 : tafelnummer(s) niet correct", {0, ScheduleField::Table}},
        {{{"1", "9", "2", "A"}}, "9 : index is te groot voor dit paar", {0, ScheduleField::NS}},
        {{{"1", "3", "3", ""}}, "3 : speelt met zich zelf ?", {0, ScheduleField::NS}},
        {{{"1", "1", "2", "E"}}, "E : deze spelgroep wordt niet gebruikt", {0, ScheduleField::Group}},
        {{{"1", "1", "2", "?"}}, "? : deze spelgroep wordt niet gebruikt", {0, ScheduleField::Group}},
        {{{"1", "7", "", ""}}, "7 : de spelgroep(en) zijn \"leeg\" ", {0, ScheduleField::Group}},
        {{{"1", "", "", ""}}, " Paar(NZ) of Paar(OW) = 0", {0, ScheduleField::NS}},
        {{{"1", "x", "2", "A"}},
         "x is geen geldige waarde\n\r corrigeer (zonodig) invoer",
         {0, ScheduleField::NS}},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        const auto failure = CheckRoundView(c.rows, kCounts, dialogs);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(OnlyMessage(dialogs), c.message);
        EXPECT_EQ(*failure, c.where) << c.message;
    }
}

TEST(CellCheck, PairAtTwoTablesOfARound) {
    auto rows = FullRound();
    rows[2].NS = "5";
    rows[5].EW = "5";
    ScriptedDialogs dialogs;
    const auto failure = CheckRoundView(rows, kCounts, dialogs);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(OnlyMessage(dialogs), "5 : speelt al op andere tafel");
    EXPECT_EQ(*failure, (CellPosition{5, ScheduleField::EW, 0}));

    // A row with a board group and no pairs passes.
    ScriptedDialogs quiet;
    EXPECT_FALSE(CheckRoundView(FullRound(), kCounts, quiet).has_value());
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(CellCheck, TableAndWholeViewsLookForTheSameBoardGroupAgain) {
    // At one table: pair 4 meets board group B in rounds 1 and 3.
    const std::vector<ScheduleRow> rounds = {{"", "4", "5", "B"}, {"", "1", "2", "C"}, {"", "6", "4", "B"}};
    ScriptedDialogs dialogs;
    const auto failure = CheckTableView(rounds, kCounts, dialogs);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(OnlyMessage(dialogs), "4 : speelt al op andere tafel");
    EXPECT_EQ(failure->Row, 2);

    ScriptedDialogs whole;
    const std::vector<ScheduleRow> fine = {{"", "1", "2", "A"}, {"", "3", "4", "B"}, {"", "1", "5", "C"}};
    const auto columnFailure = CheckWholeView({fine, rounds}, kCounts, whole);
    ASSERT_TRUE(columnFailure.has_value());
    EXPECT_EQ(columnFailure->TableColumn, 2);
}

TEST(CellCheck, WholeViewCellsRoundTrip) {
    const TWSObj e{3, 4, 12, 'B'};
    EXPECT_EQ(WholeViewCellText(e), " 4 - 12 :B");
    EXPECT_EQ(ParseWholeViewCell(" 4 - 12 :b "), (ScheduleRow{"", "4", "12", "B"}));
    EXPECT_EQ(EntryOf(ParseWholeViewCell(WholeViewCellText(e)), 3), e);
    EXPECT_EQ(RowOf(TWSObj{2, 0, 7, ' '}), (ScheduleRow{"2", "", "7", ""}));
}

TEST(FieldCheck, LastFailureWins) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(CheckEditFields("", "3", "A", kCounts, dialogs), EditField::NS);
    EXPECT_EQ(OnlyMessage(dialogs),
              "NZ Paar niet ingevuld  is geen geldige waarde\n\r corrigeer (zonodig) invoer");
    EXPECT_EQ(dialogs.beeps, 1);

    const std::vector<std::tuple<std::string, std::string, std::string, EditField, std::string>> cases = {
        {"1", "", "A", EditField::EW, "OW Paar niet ingevuld "},
        {"1", "2", "", EditField::Group, "Spelgroep niet ingevuld "},
        {"9", "2", "A", EditField::NS, "NZ paar bestaat niet "},
        {"", "9", "A", EditField::EW, "OW paar bestaat niet "},
        {"9", "9", "F", EditField::Group, "Spelgroep niet correct "},
    };
    for (const auto& [ns, ew, group, field, text] : cases) {
        ScriptedDialogs d;
        EXPECT_EQ(CheckEditFields(ns, ew, group, kCounts, d), field) << text;
        EXPECT_EQ(OnlyMessage(d), text + " is geen geldige waarde\n\r corrigeer (zonodig) invoer");
    }
    ScriptedDialogs ok;
    EXPECT_FALSE(CheckEditFields("8", "1", "d", kCounts, ok).has_value());
    EXPECT_TRUE(ok.messages.empty());
}

TEST(WholeCheck, SameTableLaterRoundWithTheSameBoards) {
    // Two tables, three rounds; pair 1 meets group A at table 2 in rounds 1 and 3.
    const WorkSchedule s = test::MakeBase(
        {4, 2, 3, 3}, {{1, 2, 'A'}, {3, 4, 'B'}, {1, 3, 'B'}, {2, 4, 'C'}, {1, 4, 'C'}, {3, 2, 'A'}});
    ScriptedDialogs d1;
    EXPECT_TRUE(CheckWholeSchedule(s, 1, 6, d1).Passed);
    WorkSchedule bad = s;
    bad.at(3, 1) = {1, 1, 2, 'A'};
    ScriptedDialogs d2;
    EXPECT_FALSE(CheckWholeSchedule(bad, 1, 6, d2).Passed);
    ASSERT_FALSE(d2.messages.empty());
    EXPECT_EQ(d2.messages[0].text, "Ronde 3 :\rPaar  1 Speelt al in ronde 1,\raan Tafel 1");
}

TEST(WholeCheck, SameRoundAndPairsPlayingABoardGroupTwice) {
    const WorkSchedule s = test::MakeBase({4, 2, 2, 2}, {{1, 2, 'A'}, {2, 4, 'A'}, {1, 3, 'B'}, {2, 4, 'B'}});
    ScriptedDialogs d;
    EXPECT_FALSE(CheckWholeSchedule(s, 2, 0, d).Passed);
    EXPECT_EQ(d.messages.at(0).text, "Ronde 1 :\rPaar  2 Speelt al in ronde 1,\raan Tafel 2");

    // Pair 4 plays board group B at two tables in different rounds.
    const WorkSchedule twice =
        test::MakeBase({4, 2, 2, 2}, {{1, 2, 'A'}, {3, 4, 'B'}, {1, 3, 'A'}, {4, 2, 'B'}});
    ScriptedDialogs d3;
    const auto result = CheckWholeSchedule(twice, 3, 0, d3);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(d3.messages.at(0).text, "1 : speelt in een verkeerde groep: 1");
    EXPECT_EQ(result.Round, 2);
    EXPECT_EQ(result.Table, 1);
}

TEST(WholeCheck, IncompleteScheduleWarning) {
    WorkSchedule s = WorkSchedule::Empty({8, 4, 3, 3});
    s.at(1, 1) = {1, 1, 2, 'A'};
    s.at(1, 2) = {2, 1, 3, 'A'};
    ScriptedDialogs d;
    EXPECT_FALSE(CheckWholeSchedule(s, 2, 0, d).Passed);
    ASSERT_EQ(d.messages.size(), 2u);
    // 4 tables x 8 pairs = 32 places, 2 met before the failure at table 1.
    EXPECT_EQ(d.messages[1].text,
              "Schema is niet compleet, pas op !\rEr zijn 30 paren te weinig\rin  3 rondes");
}

TEST(BorrowHintsTest, BothViews) {
    // Round 1: table 1 plays B, table 2 plays B too (table 1 borrows from table 2); table 3 plays C.
    const WorkSchedule s = test::MakeBase({6, 3, 1, 3}, {{1, 2, 'B'}, {3, 4, 'B'}, {5, 6, 'C'}});
    EXPECT_EQ(RoundViewBorrowHint(s, 1, 1), " L 2");
    EXPECT_EQ(RoundViewBorrowHint(s, 1, 2), "");
    EXPECT_EQ(RoundViewBorrowHint(s, 1, 3), "");
    EXPECT_EQ(TableViewBorrowHint(s, 1, 1), " L B");
    EXPECT_EQ(TableViewBorrowHint(s, 1, 3), "");
}
