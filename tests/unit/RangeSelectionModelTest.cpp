#include "selection/RangeSelectionModel.h"

#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

// 16 pairs in 2 groups, 8 tables, session 2 of 3 current, 7 rounds.
Club RangeClub() {
    Club club = test::MakeClub(16, 2, 8, 3);
    club.CurrentSession = 2;
    club.SessionHead.RoundCount = 7;
    club.CompetitionNumber = 3;
    return club;
}

TEST(RangeSelectionModelTest, SetUpPerKind) {
    Club club = RangeClub();
    test::ScriptedDialogs dialogs;
    RangeSelectionModel model(club, dialogs);
    model.setUp(13);
    EXPECT_EQ(model.setup().caption, "Ronde & Zitting Keuze");
    EXPECT_EQ(model.setup().rangeLabel, "Ronde 1...7");
    EXPECT_EQ(model.setup().first.text, "1");
    EXPECT_EQ(model.setup().last.text, "7");
    EXPECT_EQ(model.setup().first.hint, "Kies beginronde (* = alle rondes)");
    EXPECT_EQ(model.setup().firstLabel, "Begin");
    EXPECT_EQ(model.setup().lastLabel, " Eind");
    EXPECT_EQ(model.setup().sessionLabel, "Avond 1 .. 3");
    // The session field shows the session being worked on.
    EXPECT_EQ(model.setup().session.text, "2");

    model.setUp(5);
    EXPECT_EQ(model.setup().caption, "Kies Competitie(s)");
    EXPECT_EQ(model.setup().firstLabel, "Eerste");
    EXPECT_EQ(model.setup().lastLabel, "Laatste");
    EXPECT_EQ(model.setup().rangeLabel, "Competitie Nr: ");
    EXPECT_FALSE(model.setup().session.visible);
    EXPECT_EQ(model.setup().last.text, "3");

    model.setUp(20);
    EXPECT_EQ(model.setup().first.text, "*");
    EXPECT_EQ(model.setup().first.hint, "Kies Competitie ( * = alle)");
    EXPECT_FALSE(model.setup().last.visible);
    ASSERT_TRUE(model.enter(RangeField::First));
    EXPECT_EQ(model.focus(), RangeField::OkButton);
    EXPECT_EQ(model.selection().RangeFirst, 0);
}

TEST(RangeSelectionModelTest, FieldsAreCheckedAndClamped) {
    Club club = RangeClub();
    test::ScriptedDialogs dialogs;
    RangeSelectionModel model(club, dialogs);
    model.setUp(11);
    EXPECT_EQ(model.setup().caption, "Paar & Zitting Keuze");
    EXPECT_EQ(model.setup().rangeLabel, "Paar 1...16");
    // "*" in the last field is every pair; a last below the first becomes the first.
    model.setText(RangeField::First, "5");
    model.setText(RangeField::Last, "*");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().RangeFirst, 5);
    EXPECT_EQ(model.selection().RangeLast, 16);
    EXPECT_EQ(model.selection().RangeSession, 2);
    model.setText(RangeField::Last, "3");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().RangeLast, 5);
    // A session past the last is the last.
    model.setText(RangeField::Session, "9");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().RangeSession, 3);
    EXPECT_TRUE(dialogs.messages.empty());

    // Refused input keeps the focus in its field.
    model.setText(RangeField::First, "x");
    EXPECT_FALSE(model.enter(RangeField::First));
    EXPECT_EQ(model.focus(), RangeField::First);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Begin-Paar  is geen geldige waarde", 0), 0u);
    model.setText(RangeField::First, "1");
    model.setText(RangeField::Last, "-");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.focus(), RangeField::Last);
    EXPECT_EQ(dialogs.messages[1].text.rfind("Eind-Paar  is geen geldige waarde", 0), 0u);
    model.setText(RangeField::Last, "4");
    model.setText(RangeField::Session, "0");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.messages[2].text.rfind("Avond  is geen geldige waarde", 0), 0u);

    // Enter moves first -> last -> session -> OK.
    model.setText(RangeField::Session, "1");
    ASSERT_TRUE(model.enter(RangeField::First));
    EXPECT_EQ(model.focus(), RangeField::Last);
    ASSERT_TRUE(model.enter(RangeField::Last));
    EXPECT_EQ(model.focus(), RangeField::Session);
    ASSERT_TRUE(model.enter(RangeField::Session));
    EXPECT_EQ(model.focus(), RangeField::OkButton);
    EXPECT_EQ(model.selection().RangeSession, 1);
}

} // namespace
} // namespace velk
