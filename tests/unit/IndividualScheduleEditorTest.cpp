#include "schedules/IndividualScheduleEditor.h"

#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

// 8 players, 2 tables, 2 rounds, 2 board groups, typed per round.
void TypeSchedule(IndividualScheduleEditor& editor, ScriptedDialogs& dialogs) {
    editor.startNew({8, 2, 2, 2}, ScheduleView::PerRound);
    ASSERT_FALSE(editor.storeRows({{"1", "1", "2", "3", "4", "A"}, {"2", "5", "6", "7", "8", "B"}}, dialogs));
    editor.step(+1);
    ASSERT_FALSE(editor.storeRows({{"1", "1", "5", "2", "6", "B"}, {"2", "3", "7", "4", "8", "A"}}, dialogs));
}

} // namespace

TEST(IndividualScheduleEditor, CaptionsAndNoRenumberingView) {
    EXPECT_EQ(IndividualEditorCaption(false, ScheduleView::PerRound), "Schema Invoeren per Ronde ");
    EXPECT_EQ(IndividualEditorCaption(false, ScheduleView::Whole), "Schema Invoeren per Ronde & Tafel");
    EXPECT_EQ(IndividualEditorCaption(true, ScheduleView::PerTable), "Schema wijzigen per Tafel ");
    IndividualScheduleEditor editor;
    editor.startNew({8, 2, 2, 2}, ScheduleView::Renumbering);
    EXPECT_EQ(editor.view(), ScheduleView::PerRound);
    EXPECT_EQ(editor.scheduleLine(), "Nieuw schema ");
}

TEST(IndividualScheduleEditor, RowsHintsAndSteps) {
    ScriptedDialogs dialogs;
    IndividualScheduleEditor editor;
    TypeSchedule(editor, dialogs);
    EXPECT_EQ(editor.currentRound(), 2);
    editor.step(+1);
    EXPECT_EQ(editor.currentRound(), 1);
    editor.step(-1);
    EXPECT_EQ(editor.currentRound(), 2);

    editor.setView(ScheduleView::PerTable);
    EXPECT_EQ(editor.rows(),
              (std::vector<PlayerRow>{{"", "1", "2", "3", "4", "A"}, {"", "1", "5", "2", "6", "B"}}));
    EXPECT_EQ(editor.borrowHints(), (std::vector<std::string>{"", " L B"}));
    editor.setView(ScheduleView::Whole);
    EXPECT_EQ(editor.columns().at(1).at(1), (PlayerRow{"", "3", "7", "4", "8", "A"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(IndividualScheduleEditor, RefusedRoundKeepsWhatWasTyped) {
    ScriptedDialogs dialogs;
    IndividualScheduleEditor editor;
    editor.startNew({8, 2, 2, 2}, ScheduleView::PerRound);
    const auto failure =
        editor.storeRows({{"1", "1", "2", "3", "4", "A"}, {"2", "5", "6", "7", "9", "B"}}, dialogs);
    EXPECT_EQ(failure, (PlayerCellPosition{1, PlayerField::W, 0}));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"9 : index is te groot voor dit paar"}));
    EXPECT_EQ(editor.schedule().at(1, 2), (TWSObj1{2, 5, 6, 7, 9, 'B'}));
}

TEST(IndividualScheduleEditor, SavesTenByteRecordsAndReadsThemBack) {
    TempFolder folder("individual-editor");
    const std::string path = folder.file("2r-8s.ws0");
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
    IndividualScheduleEditor editor;
    TypeSchedule(editor, dialogs);
    dialogs.answerYes();
    dialogs.files.push_back(path);
    const EditorClosing closing = editor.confirm(0, dialogs, errorCode);
    EXPECT_TRUE(closing.Close);
    EXPECT_EQ(closing.SavedPath, path);
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Schema opslaan in map Schema`s",
                                        "Bridge Schema bestand\rRedSchema, Bewaren van\r2r-8s.ws0"}));
    EXPECT_EQ(dialogs.fileChoices.back().filter, "Schema file (*.ws0)|*.WS0|Special file (*.*)|*.*");
    // clang-format off
    const std::vector<std::uint8_t> expected = {
        2, 8, 0, 0, 0, 2, 0, 0, 0, 2,   // rounds, players, 0, tables, 0, board groups
        1, 1, 0, 2, 0, 3, 0, 4, 0, 'A', // round 1, table 1: N, Z, O, W, group
        2, 5, 0, 6, 0, 7, 0, 8, 0, 'B',
        1, 1, 0, 5, 0, 2, 0, 6, 0, 'B', // round 2
        2, 3, 0, 7, 0, 4, 0, 8, 0, 'A'};
    // clang-format on
    EXPECT_EQ(test::FileContents(path), expected);

    IndividualScheduleEditor reopened;
    ScriptedDialogs reading;
    ASSERT_TRUE(reopened.open(path, ScheduleView::PerTable, reading, errorCode));
    EXPECT_EQ(reading.texts(),
              (std::vector<std::string>{"Bridge Schema bestand\rLees Schema, Openen van\r2r-8s.ws0"}));
    EXPECT_EQ(reopened.schedule(), editor.schedule());
    EXPECT_EQ(reopened.scheduleLine(), "Schema: 2r-8s.ws0");
    EXPECT_EQ(reopened.view(), ScheduleView::PerTable);

    // Written again unchanged, the file is the same byte for byte.
    ScriptedDialogs again;
    again.files.push_back(path);
    ASSERT_TRUE(reopened.saveAs(again, errorCode).has_value());
    EXPECT_EQ(test::FileContents(path), expected);
}

TEST(IndividualScheduleEditor, ShortFileLeavesTheScheduleAsItWas) {
    TempFolder folder("individual-short");
    const std::string path = folder.file("short.ws0");
    test::WriteContents(path, {2, 8, 0, 0, 0, 2, 0, 0, 0, 2, 1, 1, 0, 2});
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
    IndividualScheduleEditor editor;
    TypeSchedule(editor, dialogs);
    const WorkSchedule1 before = editor.schedule();
    EXPECT_FALSE(editor.open(path, ScheduleView::Whole, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts().back(), " Schemalist niet correct \r");
    EXPECT_EQ(editor.schedule(), before);
    EXPECT_EQ(editor.view(), ScheduleView::PerRound);
    EXPECT_FALSE(editor.isExistingFile());
}

TEST(IndividualScheduleEditor, FailedWholeCheckMayGoOnEditing) {
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
    IndividualScheduleEditor editor;
    editor.startNew({8, 2, 2, 2}, ScheduleView::PerRound);
    ASSERT_FALSE(editor.storeRows({{"1", "1", "2", "3", "4", "A"}, {"2", "5", "6", "7", "8", "B"}}, dialogs));
    editor.step(+1);
    ASSERT_FALSE(editor.storeRows({{"1", "1", "5", "2", "6", "A"}, {"2", "3", "7", "4", "8", "B"}}, dialogs));
    dialogs.answerYes();
    const EditorClosing closing = editor.confirm(2, dialogs, errorCode);
    EXPECT_FALSE(closing.Close);
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{
                  "Ronde 2 :\rSpeler  1 Speelt al in ronde 1,\raan Tafel 1",
                  "Schema is niet compleet, pas op !\rEr zijn 12 spelers te weinig\rin  2 rondes",
                  " Schema niet correct, wordt niet bewaard", "Doorgaan met Schema inlezen ?"}));
    EXPECT_TRUE(dialogs.fileChoices.empty());
}
