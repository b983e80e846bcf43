// "O&k" in the selection dialogs takes what the boxes show and refuses a range that would choose
// nothing: the last group, session, board or pair before the first, or a copy onto the source.
#include "selection/CopyGroups.h"
#include "selection/GroupSelection.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;
using F = SelectionField;

namespace {

// Four groups of 10, three sessions of which the third is current, 24 boards of 4 per round.
Club FourGroups() {
    Club club = velk::test::MakeClub(40, 4, 0, 3);
    club.CurrentSession = 3;
    club.SessionHead.BoardCount = 24;
    club.SessionHead.BoardsPerRound = 4;
    return club;
}

struct SelectionRangeTest : ::testing::Test {
    Club club = FourGroups();
    ScriptedDialogs dialogs;
    GroupSelectionModel model{club, dialogs};
};

} // namespace

// Kind 30 is the match-point processing: "B" typed in the first box, OK without Enter.
TEST_F(SelectionRangeTest, FirstGroupTypedWithoutEnterGivesAReversedRangeThatIsRefused) {
    model.setUp(30);
    model.setBoxText(F::SelectBox1, "B");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::GroupsReversed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Laatste groep A ligt voor eerste groep B\rKies een laatste groep van B t/m D");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(model.focus(), F::SelectBox2);

    // The user corrects the last box; the range now holds.
    model.setBoxText(F::SelectBox2, " C");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::Passed);
    EXPECT_EQ(model.selection().SelFirstGroup, 2);
    EXPECT_EQ(model.selection().SelLastGroup, 3);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SelectionRangeTest, OneGroupAndAllGroupsNeedNoLastGroup) {
    model.setUp(30);
    model.setBoxText(F::SelectBox1, "d");
    model.setBoxText(F::SelectBox2, "d");
    EXPECT_TRUE(model.accept());
    model.setBoxText(F::SelectBox1, "*");
    model.setBoxText(F::SelectBox2, "A");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelFirstGroup, 1);
    EXPECT_EQ(model.selection().SelLastGroup, 4);
    model.setUp(101);
    model.setBoxText(F::SelectBox1, "C");
    EXPECT_TRUE(model.accept());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SelectionRangeTest, ReversedSessionsAreRefusedOnTheLastSessionBox) {
    model.setUp(1);
    model.setBoxText(F::SelectBox3, "3");
    model.setBoxText(F::SelectBox4, "2");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::SessionsReversed);
    EXPECT_EQ(
        dialogs.texts(),
        std::vector<std::string>{"Laatste zitting 2 ligt voor eerste zitting 3\rKies een laatste zitting van "
                                 "3 t/m 3"});
    EXPECT_EQ(model.focus(), F::SelectBox4);
}

TEST_F(SelectionRangeTest, AFirstBoardBeyondTheDefaultLastBoardIsRefused) {
    // The last board box opens at the boards of one round (4).
    model.setUp(22);
    model.setBoxText(F::SelectBox3, "9");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::ItemsReversed);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{
                  "Laatste spel 4 ligt voor eerste spel 9\rKies een laatste spel van 9 t/m 24"});
    EXPECT_EQ(model.focus(), F::SelectBox4);
    model.setBoxText(F::SelectBox4, "12");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelFirstItem, 9);
    EXPECT_EQ(model.selection().SelLastItem, 12);
}

TEST_F(SelectionRangeTest, LastPairZeroIsRefused) {
    model.setUp(23);
    model.setBoxText(F::SelectBox3, "2");
    model.setBoxText(F::SelectBox4, "0");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{
                  "Laatste paar 0 ligt voor eerste paar 2\rKies een laatste paar van 2 t/m 10"});
    EXPECT_EQ(model.focus(), F::SelectBox4);
}

TEST_F(SelectionRangeTest, NothingToChooseIsRefused) {
    club.SessionHead.BoardCount = 0;
    model.setUp(34);
    model.setBoxText(F::SelectBox3, "1");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::NoItems);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Deze zitting heeft geen spellen\rKies Schrap"});
    EXPECT_EQ(model.focus(), F::SelectBox3);

    club.CompetitionHead.GroupCount = 0;
    model.setUp(30);
    model.setBoxText(F::SelectBox1, "*");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.rangeCheck(), RangeCheck::NoGroups);
}

namespace {
struct CopyRangeTest : ::testing::Test {
    Club club = FourGroups();
    ScriptedDialogs dialogs;
    CopyGroupsModel model{club, dialogs};
};
} // namespace

TEST_F(CopyRangeTest, TheSourceItselfIsNoTarget) {
    club.CompetitionHead.GroupCount = 3;
    model.setUp();
    // The target box opens at "B"; typing "b" as the source without Enter gives B onto B.
    model.setBoxText(CopyField::GroepBox1, "b");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.copyCheck(), CopyCheck::SameGroup);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Doelgroep B is de brongroep zelf\rKies een andere doelgroep"});
    EXPECT_EQ(model.focus(), CopyField::GroepBox2);
    EXPECT_EQ(dialogs.beeps, 0);
    model.setBoxText(CopyField::GroepBox2, "  C");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.targetGroups(), std::vector<int>{3});
}

TEST_F(CopyRangeTest, EveryOtherGroupOfASingleGroupIsRefused) {
    club.CompetitionHead.GroupCount = 1;
    model.setUp();
    model.setBoxText(CopyField::GroepBox2, "*");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.copyCheck(), CopyCheck::NoOtherGroup);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Er is geen andere groep dan A om naar te kopieren\rKies Schrap"});
}
