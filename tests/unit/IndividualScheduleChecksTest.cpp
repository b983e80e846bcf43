#include "schedules/BorrowHints.h"
#include "schedules/IndividualScheduleCells.h"
#include "schedules/ScheduleFieldCheck.h"
#include "schedules/WholeScheduleCheck.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

// 16 players at 4 tables, 3 rounds, 4 board groups.
const ScheduleCounts kCounts{16, 4, 3, 4};

std::string OnlyMessage(const ScriptedDialogs& d) {
    EXPECT_EQ(d.messages.size(), 1u);
    return d.messages.empty() ? std::string() : d.messages.front().text;
}

const std::string kInvalid = " is geen geldige waarde\n\r corrigeer (zonodig) invoer";

} // namespace

TEST(IndividualCellCheck, EachMessageWithFourSeats) {
    struct Case {
        std::vector<PlayerRow> rows;
        std::string message;
        PlayerCellPosition where;
    };
    const std::vector<Case> cases = {
        {{{"1", "1", "2", "3", "4", "A"}, {"1", "5", "6", "7", "8", "B"}},
         "1 : tafelnummer(s) niet correct",
         {1, PlayerField::Table}},
        {{{"1", "1", "2", "3", "17", "A"}}, "17 : index is te groot voor dit paar", {0, PlayerField::W}},
        {{{"1", "3", "2", "3", "4", ""}}, "3 : speelt met zich zelf ?", {0, PlayerField::N}},
        {{{"1", "1", "4", "3", "4", ""}}, "4 : speelt met zich zelf ?", {0, PlayerField::Z}},
        {{{"1", "1", "2", "3", "4", "E"}}, "E : deze spelgroep wordt niet gebruikt", {0, PlayerField::Group}},
        {{{"1", "7", "", "", "", ""}}, "7 : de spelgroep(en) zijn \"leeg\" ", {0, PlayerField::Group}},
        {{{"1", "", "2", "3", "4", ""}}, " Paar(NZ) of Paar(OW) = 0", {0, PlayerField::N}},
        {{{"1", "1", "2", "x", "4", "A"}}, "x" + kInvalid, {0, PlayerField::O}},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        const auto failure = CheckRoundView(c.rows, kCounts, dialogs);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(OnlyMessage(dialogs), c.message);
        EXPECT_EQ(*failure, c.where) << c.message;
    }
}

TEST(IndividualCellCheck, PlayerAtTwoTablesOrMeetingTheBoardsAgain) {
    // Round view: player 5 sits North at table 2 and West at table 4.
    const std::vector<PlayerRow> round = {{"1", "1", "2", "3", "4", "A"},
                                          {"2", "5", "6", "7", "8", "B"},
                                          {"3", "9", "10", "11", "12", "C"},
                                          {"4", "13", "14", "15", "5", "D"}};
    ScriptedDialogs dialogs;
    EXPECT_EQ(CheckRoundView(round, kCounts, dialogs), (PlayerCellPosition{3, PlayerField::W, 0}));
    EXPECT_EQ(OnlyMessage(dialogs), "5 : speelt al op andere tafel");

    // Table view: player 2 meets board group B at this table in rounds 1 and 3.
    const std::vector<PlayerRow> table = {
        {"", "1", "2", "3", "4", "B"}, {"", "5", "6", "7", "8", "C"}, {"", "9", "10", "2", "12", "B"}};
    ScriptedDialogs perTable;
    EXPECT_EQ(CheckTableView(table, kCounts, perTable), (PlayerCellPosition{2, PlayerField::O, 0}));
    EXPECT_EQ(OnlyMessage(perTable), "2 : speelt al op andere tafel");

    const std::vector<PlayerRow> fine = {
        {"", "1", "2", "3", "4", "A"}, {"", "5", "6", "7", "8", "B"}, {"", "9", "10", "11", "12", "C"}};
    ScriptedDialogs whole;
    const auto column = CheckWholeView({fine, table}, kCounts, whole);
    ASSERT_TRUE(column.has_value());
    EXPECT_EQ(column->TableColumn, 2);

    // Board groups without players may be left.
    ScriptedDialogs quiet;
    EXPECT_FALSE(CheckRoundView({{"1", "", "", "", "", "A"}}, kCounts, quiet).has_value());
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(IndividualCellCheck, WholeViewCellHasTwoLines) {
    const TWSObj1 e{2, 3, 12, 4, 5, 'B'};
    EXPECT_EQ(WholeViewCellText(e), "3 -  4 :B\n12 -  5 :B");
    EXPECT_EQ(WholeViewCellText(TWSObj1{1, 0, 0, 0, 0, ' '}), " -   :\n -   :");
    EXPECT_EQ(ParsePlayerWholeViewCell("3 -  4 :b\n12 -  5 :b"), (PlayerRow{"", "3", "12", "4", "5", "B"}));
    EXPECT_EQ(EntryOf(ParsePlayerWholeViewCell(WholeViewCellText(e)), 2), e);
    EXPECT_EQ(RowOf(TWSObj1{2, 0, 7, 8, 9, ' '}), (PlayerRow{"2", "", "7", "8", "9", ""}));
}

TEST(IndividualFieldCheck, TheTenMessagesLastFailureWinning) {
    const std::vector<std::tuple<std::vector<std::string>, PlayerEditField, std::string>> cases = {
        {{"", "2", "3", "4", "A"}, PlayerEditField::N, "N Speler niet ingevuld "},
        {{"1", "", "3", "4", "A"}, PlayerEditField::O, "O Speler niet ingevuld "},
        {{"1", "2", "", "4", "A"}, PlayerEditField::Z, "Z Speler niet ingevuld "},
        {{"1", "2", "3", "", "A"}, PlayerEditField::W, "W Speler niet ingevuld "},
        {{"", "", "", "", ""}, PlayerEditField::Group, "Spelgroep niet ingevuld "},
        {{"17", "2", "3", "4", "A"}, PlayerEditField::N, "N Speler bestaat niet "},
        {{"1", "17", "3", "4", "A"}, PlayerEditField::O, "O Speler bestaat niet "},
        {{"1", "2", "x", "4", "A"}, PlayerEditField::Z, "Z Speler bestaat niet "},
        {{"", "2", "3", "99", ""}, PlayerEditField::W, "W Speler bestaat niet "},
        {{"99", "2", "3", "4", "F"}, PlayerEditField::Group, "Spelgroep niet correct "},
    };
    for (const auto& [f, field, text] : cases) {
        ScriptedDialogs d;
        EXPECT_EQ(CheckPlayerEditFields(f[0], f[1], f[2], f[3], f[4], kCounts, d), field) << text;
        EXPECT_EQ(OnlyMessage(d), text + kInvalid);
        EXPECT_EQ(d.beeps, 1);
    }
    ScriptedDialogs ok;
    EXPECT_FALSE(CheckPlayerEditFields("16", "1", "2", "3", "d", kCounts, ok).has_value());
    EXPECT_TRUE(ok.messages.empty());
}

TEST(IndividualWholeCheck, PlayerMeetingTheSameBoardsAgain) {
    // Two tables, three rounds; then players 5, 6 and 7 meet group A at table 2 in rounds 1 and 3.
    WorkSchedule1 s = WorkSchedule1::Empty({8, 2, 3, 3});
    s.at(1, 1) = {1, 1, 2, 3, 4, 'B'};
    s.at(1, 2) = {2, 5, 6, 7, 8, 'A'};
    s.at(2, 1) = {1, 1, 5, 2, 6, 'C'};
    s.at(2, 2) = {2, 3, 7, 4, 8, 'B'};
    s.at(3, 1) = {1, 1, 8, 2, 3, 'A'};
    s.at(3, 2) = {2, 4, 5, 6, 7, 'C'};
    ScriptedDialogs passes;
    EXPECT_TRUE(CheckWholeSchedule(s, 1, 0, passes).Passed);
    EXPECT_TRUE(passes.messages.empty());

    s.at(3, 2).Letter = 'A';
    ScriptedDialogs d;
    EXPECT_FALSE(CheckWholeSchedule(s, 1, 0, d).Passed);
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0].text, "Ronde 3 :\rSpeler  5 Speelt al in ronde 1,\raan Tafel 2");

    // Per round: player 3 at both tables of round 1 with the same group; 2 tables x 8 players = 16
    // places, 4 met at table 1 before the failure.
    WorkSchedule1 round = WorkSchedule1::Empty({8, 2, 3, 3});
    round.at(1, 1) = {1, 1, 2, 3, 4, 'A'};
    round.at(1, 2) = {2, 5, 6, 3, 8, 'A'};
    ScriptedDialogs r;
    EXPECT_FALSE(CheckWholeSchedule(round, 2, 0, r).Passed);
    EXPECT_EQ(r.texts(),
              (std::vector<std::string>{
                  "Ronde 1 :\rSpeler  3 Speelt al in ronde 1,\raan Tafel 2",
                  "Schema is niet compleet, pas op !\rEr zijn 12 spelers te weinig\rin  3 rondes"}));

    // View 3: player 1 plays group B twice.
    WorkSchedule1 twice = s;
    twice.at(3, 2).Letter = 'C';
    twice.at(2, 1).Letter = 'B';
    ScriptedDialogs w;
    const auto result = CheckWholeSchedule(twice, 3, 0, w);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(w.messages.at(0).text, "1 : speelt in een verkeerde groep: 2");
    EXPECT_EQ(result.Round, 2);
    EXPECT_EQ(result.Table, 1);
}

TEST(IndividualWholeCheck, ListShorterThanItsHeader) {
    WorkSchedule1 s = WorkSchedule1::Empty({8, 2, 3, 3});
    s.Items.pop_back();
    ScriptedDialogs perRound;
    EXPECT_FALSE(CheckWholeSchedule(s, 1, 0, perRound).Passed);
    EXPECT_EQ(OnlyMessage(perRound), "Schema niet correct voor Tafel 1");
    ScriptedDialogs perTable;
    EXPECT_FALSE(CheckWholeSchedule(s, 2, 0, perTable).Passed);
    EXPECT_EQ(OnlyMessage(perTable), "Schema niet correct voor ronde 1");
}

TEST(IndividualBorrowHints, BothViews) {
    WorkSchedule1 s = WorkSchedule1::Empty({12, 3, 1, 3});
    s.at(1, 1).Letter = 'B';
    s.at(1, 2).Letter = 'B';
    s.at(1, 3).Letter = 'C';
    EXPECT_EQ(RoundViewBorrowHint(s, 1, 1), " L 2");
    EXPECT_EQ(RoundViewBorrowHint(s, 1, 3), "");
    EXPECT_EQ(TableViewBorrowHint(s, 1, 1), " L B");
}
