#include "selection/GroupSelection.h"

#include "core/ErrorHelpers.h"
#include "selection/CopyGroups.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

// 4 groups of 10, three sessions of which the third is current, 24 boards of 4 per round.
Club MakeClub(int groups = 4, std::uint16_t calcMethod = CalcEachGroup) {
    return velk::test::MakeSelectionClub(groups, calcMethod);
}

const std::string kInvalidValue = FileErrorText("", 5, 8);

struct GroupSelectionTest : ::testing::Test {
    Club club = MakeClub();
    ScriptedDialogs dialogs;
    GroupSelectionModel model{club, dialogs};

    void type(SelectionField field, const std::string& text) { model.setBoxText(field, text); }
    bool enter(SelectionField field, const std::string& text) {
        type(field, text);
        return model.enter(field);
    }
};

using F = SelectionField;

} // namespace

TEST_F(GroupSelectionTest, SessionKindSetUp) {
    model.setUp(1);
    EXPECT_EQ(model.caption(), "Groep(en) & Zitting Keuze");
    EXPECT_EQ(model.groupsLabel().text, "Groep: A . . D");
    EXPECT_EQ(model.hintLabel().text,
              "Gebruik letter voor keuze van een  groep\rGebruik getal voor selectie van avond  ( * = alle)");
    EXPECT_EQ(model.rangeLabel().text, "Avond: 1 . . 3");
    EXPECT_EQ(model.box(F::SelectBox1).items, (std::vector<std::string>{" A", " B", " C", " D", " *"}));
    EXPECT_EQ(model.box(F::SelectBox2).items, (std::vector<std::string>{" A", " B", " C", " D"}));
    EXPECT_EQ(model.box(F::SelectBox1).text, " A");
    EXPECT_EQ(model.box(F::SelectBox1).hint, "Selecteer groep ( * = alle)");
    EXPECT_EQ(model.box(F::SelectBox2).hint, "Selecteer laatste groep");
    EXPECT_EQ(model.box(F::SelectBox3).items, (std::vector<std::string>{"1", "2", "3", "*"}));
    EXPECT_EQ(model.box(F::SelectBox3).hint, "Selecteer Zitting ( * = alle)");
    EXPECT_EQ(model.box(F::SelectBox4).hint, "Selecteer laatste zitting");
    EXPECT_EQ(model.box(F::SelectBox4).text, "3");
    EXPECT_EQ(model.focus(), F::SelectBox1);
}

TEST_F(GroupSelectionTest, StarTakesAllGroupsAndDisablesTheLastGroupBox) {
    model.setUp(1);
    ASSERT_TRUE(enter(F::SelectBox1, " *"));
    EXPECT_EQ(model.selection().SelGroupChar, '*');
    EXPECT_EQ(model.selection().SelFirstGroup, 1);
    EXPECT_EQ(model.selection().SelLastGroup, 4);
    EXPECT_FALSE(model.box(F::SelectBox2).enabled);
    EXPECT_EQ(model.focus(), F::SelectBox3);
    // A later letter makes the last group box usable again.
    ASSERT_TRUE(enter(F::SelectBox1, "b"));
    EXPECT_TRUE(model.box(F::SelectBox2).enabled);
    EXPECT_EQ(model.box(F::SelectBox2).text, "b");
    EXPECT_EQ(model.focus(), F::SelectBox2);
}

TEST_F(GroupSelectionTest, LastGroupBeyondTheCountIsClampedAndShown) {
    model.setUp(1);
    ASSERT_TRUE(enter(F::SelectBox1, "B"));
    ASSERT_TRUE(enter(F::SelectBox2, "F"));
    EXPECT_EQ(model.selection().SelFirstGroup, 2);
    EXPECT_EQ(model.selection().SelLastGroup, 4);
    EXPECT_EQ(model.box(F::SelectBox2).text, "D");
    EXPECT_EQ(model.focus(), F::SelectBox3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GroupSelectionTest, AGroupBoxWithoutALetterIsRefused) {
    model.setUp(1);
    EXPECT_FALSE(enter(F::SelectBox1, "1"));
    EXPECT_FALSE(enter(F::SelectBox1, "   "));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Groep " + kInvalidValue);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(model.focus(), F::SelectBox1);
    EXPECT_EQ(club.ErrorCode.value(), 5);
}

TEST_F(GroupSelectionTest, SessionZeroIsRefusedAndStarTakesAllSessions) {
    model.setUp(1);
    ASSERT_TRUE(enter(F::SelectBox1, "A"));
    ASSERT_TRUE(enter(F::SelectBox2, "A"));
    EXPECT_FALSE(enter(F::SelectBox3, "0"));
    ASSERT_EQ(dialogs.texts(), std::vector<std::string>{kInvalidValue});
    EXPECT_EQ(model.focus(), F::SelectBox3);

    ASSERT_TRUE(enter(F::SelectBox3, "*"));
    EXPECT_EQ(model.selection().SelFirstSession, 1);
    EXPECT_EQ(model.selection().SelLastSession, 3);
    EXPECT_FALSE(model.box(F::SelectBox4).enabled);
    EXPECT_EQ(model.focus(), F::OkButton);
    // OK leaves the disabled last session box out of it.
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelLastSession, 3);
}

TEST_F(GroupSelectionTest, ANumberedSessionRangeIsClamped) {
    model.setUp(2);
    ASSERT_TRUE(enter(F::SelectBox3, "2"));
    EXPECT_EQ(model.selection().SelFirstSession, 2);
    EXPECT_EQ(model.selection().SelLastSession, 2);
    EXPECT_TRUE(model.box(F::SelectBox4).enabled);
    EXPECT_EQ(model.focus(), F::SelectBox4);
    ASSERT_TRUE(enter(F::SelectBox4, "9"));
    EXPECT_EQ(model.selection().SelLastSession, 3);
    EXPECT_EQ(model.box(F::SelectBox4).text, "3");
    EXPECT_EQ(model.focus(), F::OkButton);
    EXPECT_FALSE(enter(F::SelectBox4, "x"));
    EXPECT_EQ(model.focus(), F::SelectBox4);
}

TEST_F(GroupSelectionTest, BoardKindClampsTheLastBoard) {
    model.setUp(22);
    EXPECT_EQ(model.caption(), "Groepen & Spellen Keuze");
    EXPECT_EQ(model.rangeLabel().text, "Spellen: 1 .. 24");
    EXPECT_EQ(model.box(F::SelectBox3).hint, "Kies eerste spel");
    EXPECT_EQ(model.box(F::SelectBox4).hint, "Kies laatste spel, * = alle");
    EXPECT_EQ(model.box(F::SelectBox4).text, "4");
    EXPECT_EQ(model.selection().SelLastItem, 4);
    EXPECT_EQ(model.selection().SelFirstItem, 1);

    ASSERT_TRUE(enter(F::SelectBox3, "5"));
    EXPECT_EQ(model.selection().SelFirstItem, 5);
    ASSERT_TRUE(enter(F::SelectBox4, "30"));
    EXPECT_EQ(model.selection().SelLastItem, 24);
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelLastItem, 24);
}

TEST_F(GroupSelectionTest, PairKinds) {
    model.setUp(23);
    EXPECT_EQ(model.caption(), "Groep & Paren Keuze");
    EXPECT_EQ(model.rangeLabel().text, "Paren: 1 .. 10");
    EXPECT_EQ(model.box(F::SelectBox4).hint, "Kies laatste paar, * =alle");
    EXPECT_EQ(model.selection().SelLastItem, 10);
    ASSERT_TRUE(enter(F::SelectBox3, "*"));
    EXPECT_EQ(model.selection().SelFirstItem, 1);
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelLastItem, 10);

    model.setUp(32);
    EXPECT_EQ(model.caption(), "Groep & Paar Keuze");
    EXPECT_EQ(model.rangeLabel().text, "Paar: 1 .. 10");
    EXPECT_FALSE(model.box(F::SelectBox4).visible);
    EXPECT_EQ(model.box(F::SelectBox1).hint, "Selecteer groep");
    EXPECT_EQ(model.box(F::SelectBox2).hint, "Selecteer een paar");
    ASSERT_TRUE(enter(F::SelectBox3, "12"));
    EXPECT_EQ(model.selection().SelFirstItem, 10);
    EXPECT_EQ(model.focus(), F::OkButton);
}

TEST_F(GroupSelectionTest, TopIntegralHidesTheGroupBoxes) {
    club.CompetitionHead.CalcMethod = CalcTopIntegral;
    model.setUp(3);
    EXPECT_FALSE(model.box(F::SelectBox1).visible);
    EXPECT_FALSE(model.box(F::SelectBox2).visible);
    EXPECT_EQ(model.groupsLabel().text, " Alle Groepen Topintgeraal");
    EXPECT_EQ(model.hintLabel().text, "Gebruik getal voor selectie van avond  ( * = alle)");
    EXPECT_EQ(model.focus(), F::SelectBox3);
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelGroupChar, '*');
    EXPECT_EQ(model.selection().SelFirstGroup, 1);
    EXPECT_EQ(model.selection().SelLastGroup, 4);

    // Above kind 10 the groups are chosen again; kind 35 hides the group label.
    model.setUp(35);
    EXPECT_TRUE(model.box(F::SelectBox1).visible);
    EXPECT_FALSE(model.groupsLabel().visible);
    EXPECT_EQ(model.box(F::SelectBox4).text, "24");
}

TEST_F(GroupSelectionTest, GroupOnlyKinds) {
    model.setUp(40);
    EXPECT_EQ(model.caption(), "Groep Keuze");
    EXPECT_FALSE(model.box(F::SelectBox3).visible);
    EXPECT_FALSE(model.box(F::SelectBox4).visible);
    EXPECT_EQ(model.rangeLabel().text, "Zitting :3");
    ASSERT_TRUE(enter(F::SelectBox1, "A"));
    ASSERT_TRUE(enter(F::SelectBox2, "C"));
    EXPECT_EQ(model.focus(), F::OkButton);

    model.setUp(30);
    EXPECT_FALSE(model.rangeLabel().visible);
}

TEST_F(GroupSelectionTest, OneGroupKind) {
    model.setUp(101);
    EXPECT_EQ(model.box(F::SelectBox1).items.back(), " D");
    EXPECT_FALSE(model.box(F::SelectBox2).visible);
    EXPECT_FALSE(enter(F::SelectBox1, "*"));
    ASSERT_TRUE(enter(F::SelectBox1, "c"));
    EXPECT_EQ(model.selection().SelFirstGroup, 3);
    EXPECT_EQ(model.selection().SelLastGroup, 3);
    EXPECT_EQ(model.selection().SelGroupChar, 'C');
    EXPECT_EQ(model.focus(), F::OkButton);
}

TEST_F(GroupSelectionTest, OkStopsAtTheFirstWrongBoxAndCancelBlanksTheLetter) {
    model.setUp(1);
    type(F::SelectBox1, "B");
    type(F::SelectBox2, "?");
    type(F::SelectBox3, "0");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(model.focus(), F::SelectBox2);
    type(F::SelectBox2, "C");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.focus(), F::SelectBox3);
    type(F::SelectBox3, "1");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.selection().SelGroupChar, 'B');
    EXPECT_EQ(model.selection().SelLastGroup, 3);
    EXPECT_EQ(model.selection().SelLastSession, 3);
    model.cancel();
    EXPECT_EQ(model.selection().SelGroupChar, ' ');
}

namespace {
struct CopyGroupsTest : ::testing::Test {
    Club club = MakeClub(3);
    ScriptedDialogs dialogs;
    CopyGroupsModel model{club, dialogs};
    void SetUp() override { model.setUp(); }
};
} // namespace

TEST_F(CopyGroupsTest, SetUp) {
    EXPECT_EQ(model.source().items, (std::vector<std::string>{"  A", "  B", "  C"}));
    EXPECT_EQ(model.target().items, (std::vector<std::string>{"  *", "  A", "  B", "  C"}));
    EXPECT_EQ(model.source().text, "  A");
    EXPECT_EQ(model.target().text, "  B");
    EXPECT_EQ(model.source().hint, "Selecteer bron-groep");
    EXPECT_EQ(model.target().hint, "Selecteer doel-groep");
}

TEST_F(CopyGroupsTest, AGroupThatDoesNotExistIsRefusedWithABeep) {
    model.setBoxText(CopyField::GroepBox1, " d");
    EXPECT_FALSE(model.enter(CopyField::GroepBox1));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Groep bestaat niet :  kies lagere Groep "});
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(club.ErrorCode.value(), 42);
}

TEST_F(CopyGroupsTest, AnEmptyBoxIsRefused) {
    model.setBoxText(CopyField::GroepBox2, "   ");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Groep is leeg " + kInvalidValue});
    EXPECT_EQ(model.focus(), CopyField::GroepBox2);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(CopyGroupsTest, APassingEnterMovesToOk) {
    model.setBoxText(CopyField::GroepBox1, "c");
    ASSERT_TRUE(model.enter(CopyField::GroepBox1));
    EXPECT_EQ(model.focus(), CopyField::OkButton);
    model.setBoxText(CopyField::GroepBox2, "a");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.CopySourceGroup, 'C');
    EXPECT_EQ(model.CopyTargetGroup, 'A');
    EXPECT_EQ(model.targetGroups(), std::vector<int>{1});
}

TEST_F(CopyGroupsTest, StarCopiesToEveryOtherGroupOnly) {
    model.setBoxText(CopyField::GroepBox1, "  B");
    model.setBoxText(CopyField::GroepBox2, "  *");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.CopyTargetGroup, '*');
    EXPECT_EQ(model.sourceGroup(), 2);
    EXPECT_EQ(model.targetGroups(), (std::vector<int>{1, 3}));
    // "*" is no source.
    model.setBoxText(CopyField::GroepBox1, "*");
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.messages.back().text, "Groep *" + kInvalidValue);
}
