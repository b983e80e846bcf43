#include "schedules/ScheduleEditor.h"

#include "schedules/ScheduleCountsEntry.h"
#include "schedules/ScheduleGridLines.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(ScheduleEditor, CaptionsAndTypeNames) {
    EXPECT_EQ(ScheduleEditorCaption(false, ScheduleView::PerRound), "Schema invoeren per Ronde ");
    EXPECT_EQ(ScheduleEditorCaption(true, ScheduleView::PerTable), "Schema wijzigen per Tafel ");
    EXPECT_EQ(ScheduleEditorCaption(true, ScheduleView::Whole), "Schema wijzigen per Ronde & Tafel");
    EXPECT_EQ(ScheduleTypeLongName(4), " Scheveningen");
    EXPECT_EQ(ScheduleTypeLongName(9), " Free ");
}

TEST(ScheduleEditor, StepsWrapAtBothEnds) {
    ScheduleEditor editor;
    editor.startNew({6, 3, 5, 3}, ScheduleView::PerRound);
    editor.step(-1);
    EXPECT_EQ(editor.currentRound(), 5);
    editor.step(+1);
    EXPECT_EQ(editor.currentRound(), 1);
    editor.setView(ScheduleView::PerTable);
    editor.step(-1);
    EXPECT_EQ(editor.currentTable(), 3);
    EXPECT_EQ(editor.currentRound(), 1);
}

TEST(ScheduleEditor, PerTableRowsKeepTheTableNumberTypedPerRound) {
    test::ScriptedDialogs dialogs;
    ScheduleEditor editor;
    editor.startNew({4, 2, 2, 2}, ScheduleView::PerRound);
    EXPECT_FALSE(editor.storeRows({{"2", "1", "2", "A"}, {"1", "3", "4", "B"}}, dialogs));
    EXPECT_EQ(editor.schedule().at(1, 1).Table, 2);
    editor.setView(ScheduleView::PerTable);
    EXPECT_FALSE(editor.storeRows({{"", "1", "2", "A"}, {"", "", "", "B"}}, dialogs));
    EXPECT_EQ(editor.schedule().at(1, 1).Table, 2);
    EXPECT_EQ(editor.schedule().at(2, 1).Letter, 'B');
    EXPECT_EQ(editor.borrowHints(), (std::vector<std::string>{"", " L B"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ScheduleEditor, FailedWholeCheckClosesWithoutSavingOnNo) {
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    ScheduleEditor editor;
    editor.startNew({4, 2, 2, 2}, ScheduleView::PerRound);
    EXPECT_FALSE(editor.storeRows({{"1", "1", "2", "A"}, {"2", "3", "4", "B"}}, dialogs));
    editor.step(1);
    EXPECT_FALSE(editor.storeRows({{"1", "1", "3", "A"}, {"2", "2", "4", "A"}}, dialogs));
    dialogs.answerNo();
    const auto closing = editor.confirm(0, dialogs, errorCode);
    EXPECT_TRUE(closing.Close);
    EXPECT_TRUE(closing.SavedPath.empty());
    const auto texts = dialogs.texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Ronde 2 :\rPaar  1 Speelt al in ronde 1,\raan Tafel 1");
    EXPECT_EQ(texts[texts.size() - 3], " Schema niet correct, wordt niet bewaard");
    EXPECT_EQ(texts[texts.size() - 2], "Doorgaan met Schema inlezen ?");
    EXPECT_EQ(texts.back(), "Schema niet correct en niet bewaard");
    EXPECT_TRUE(dialogs.fileChoices.empty());
}

TEST(ScheduleEditor, AScheduleTheFileCannotHoldIsRefusedBeforeANameIsAsked) {
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    ScheduleEditor editor;
    editor.startNew({300, 150, 1, 1}, ScheduleView::PerRound);
    EXPECT_FALSE(editor.saveAs(dialogs, errorCode).has_value());
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Schema niet bewaard:\rAantal paren 300 past niet in een "
                                       "schemabestand (hoogstens 255)"});
    EXPECT_TRUE(dialogs.fileChoices.empty());
}

TEST(ScheduleEditor, TheCountDialogOffersNoMoreTablesThanTheFileHolds) {
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    EXPECT_EQ(CheckCount(CountField::Tables, "255", dialogs, errorCode), 255);
    EXPECT_FALSE(CheckCount(CountField::Tables, "256", dialogs, errorCode).has_value());
    ASSERT_EQ(dialogs.texts().size(), 1u);
    EXPECT_EQ(dialogs.texts()[0].rfind("Aantal foutief \rAantal Tafels te veel: 256 ", 0), 0u);
}

TEST(ScheduleGridLines, FramesEveryColumnAndRules) {
    const auto lines = ScheduleGridLines({"Tafel", "N_Z"}, {3, 4}, {{"1", "12"}, {"10", "7"}});
    EXPECT_EQ(lines, (std::vector<std::string>{"|Taf|N_Z |", "----------", "|1  |12  |", "|10 |7   |",
                                               "----------"}));
}
