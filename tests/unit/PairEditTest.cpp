#include "club/PairEdit.h"

#include "club/ClubFile.h"
#include "core/TextEncoding.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

const char* const kClubNrRefused = "ClubNummer is geen geldige waarde\n\r corrigeer (zonodig) invoer";
const char* const kGroupRefused = "Groep : is geen geldig Karakter\n\r corrigeer (zonodig) invoer";
const char* const kGrpNrRefused = "GroepNummer  is geen geldige waarde\n\r corrigeer (zonodig) invoer";
const char* const kNameRefused = "Namen  is geen geldige waarde\n\r corrigeer (zonodig) invoer";

struct Fixture {
    explicit Fixture(int pairs = 16, int groups = 2)
        : club(test::MakeClub(pairs, groups)), edit(club, dialogs) {}
    Club club;
    test::ScriptedDialogs dialogs;
    PairEdit edit;

    // Each text is refused with `message` and leaves the copy as it was.
    void expectRefused(PairField field, std::initializer_list<const char*> texts,
                       const std::string& message) {
        for (const char* typed : texts) {
            const TParenObj before = edit.draft();
            dialogs.messages.clear();
            EXPECT_FALSE(edit.enter(field, typed)) << '"' << typed << '"';
            ASSERT_EQ(dialogs.messages.size(), 1u) << '"' << typed << '"';
            EXPECT_EQ(dialogs.messages[0].text, message);
            EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
            EXPECT_EQ(edit.draft(), before);
        }
    }
    void expectAccepted(PairField field, const char* typed, const std::string& shown) {
        dialogs.messages.clear();
        EXPECT_TRUE(edit.enter(field, typed)) << '"' << typed << '"';
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
        EXPECT_EQ(edit.text(field), shown);
    }
};

} // namespace

TEST(PairEdit, GroupMustBeOneOfTheCompetitionsGroups) {
    Fixture f(16, 2);
    ASSERT_TRUE(f.edit.open(3));
    // "P" and lower would do for a competition of sixteen groups, not for one of two.
    f.expectRefused(PairField::Groep, {"Z", "C", "P", "c", "", " ", "AB", "1", "*"}, kGroupRefused);
    f.expectAccepted(PairField::Groep, " b ", "B");
    EXPECT_EQ(f.edit.draft().Groep, 'B');
    f.expectAccepted(PairField::Groep, "A", "A");

    Fixture one(8, 1);
    ASSERT_TRUE(one.edit.open(2));
    one.expectRefused(PairField::Groep, {"B", "Z"}, kGroupRefused);
    // One group is kept as a blank, as a new pair of such a competition has it.
    one.expectAccepted(PairField::Groep, "a", "");
    EXPECT_EQ(one.edit.draft().Groep, ' ');
    one.expectAccepted(PairField::Groep, "", "");
}

TEST(PairEdit, NumbersStayWithinTheCounts) {
    Fixture f(16, 2);
    ASSERT_TRUE(f.edit.open(5));
    // 17 is the number an inserted pair would get; nothing higher.
    f.expectRefused(PairField::ClubNr, {"0", "-3", "18", "99", "abc", "", "4x"}, kClubNrRefused);
    f.expectAccepted(PairField::ClubNr, "17", "17");
    f.expectAccepted(PairField::ClubNr, " 16 ", "16");
    f.expectRefused(PairField::GrpNr, {"0", "9", "99", "-1", "x", ""}, kGrpNrRefused);
    f.expectAccepted(PairField::GrpNr, "8", "8");
    EXPECT_EQ(f.edit.draft().ClubNr, 16);
    EXPECT_EQ(f.edit.draft().GrpNr, 8);
}

TEST(PairEdit, NumbersThatInsertionAndRemovalLeaveAreAccepted) {
    Fixture f(16, 2);
    const FixedClock clock(DateTime{2026, 12, 8, 20, 0, 0});
    ClubFile file(f.club, f.dialogs, clock);
    // "Bewerken": a pair inserted before A5, then none saved.
    f.dialogs.answerYes();
    f.dialogs.answerNo();
    ASSERT_EQ(file.insertPair(5, 1), 5);
    ASSERT_EQ(f.club.PairsPerGroup, 8); // 17 pairs: group A holds 9 of them
    ASSERT_EQ(f.club.PairList[5].ClubNr, 17);
    ASSERT_EQ(f.club.PairList[5].GrpNr, 9);

    ASSERT_TRUE(f.edit.open(5));
    f.expectAccepted(PairField::ClubNr, "17", "17");
    f.expectAccepted(PairField::GrpNr, "9", "9");
    f.expectRefused(PairField::GrpNr, {"10"}, kGrpNrRefused);
    ASSERT_TRUE(f.edit.open(12)); // B3: group B holds 8
    f.expectRefused(PairField::GrpNr, {"9"}, kGrpNrRefused);

    // Two pairs removed: 15 pairs, numbered up to 17.
    f.dialogs.answerYes();
    f.dialogs.answerNo();
    ASSERT_TRUE(file.deletePair(1));
    f.dialogs.answerYes();
    f.dialogs.answerNo();
    ASSERT_TRUE(file.deletePair(1));
    ASSERT_EQ(f.club.CompetitionHead.PairCount, 15);
    ASSERT_TRUE(f.edit.open(3)); // the inserted pair, ClubNr 17
    ASSERT_EQ(f.edit.draft().ClubNr, 17);
    f.expectAccepted(PairField::ClubNr, "17", "17");
    f.expectRefused(PairField::ClubNr, {"18"}, kClubNrRefused);
    ASSERT_TRUE(f.edit.open(4));
    // Up to one above the highest number another pair has, the number an insertion would give.
    f.expectAccepted(PairField::ClubNr, "18", "18");
    f.expectRefused(PairField::ClubNr, {"19"}, kClubNrRefused);
}

TEST(PairEdit, NameHasOneToFortyEightCharacters) {
    Fixture f;
    ASSERT_TRUE(f.edit.open(1));
    const std::string fortyEight = "Jansen - Pietersen - van den Berg - de Vries éée";
    ASSERT_EQ(Utf8Length(fortyEight), 48u);
    f.expectRefused(PairField::Naam, {"", "   ", "Jansen - Pietersen - van den Berg - de Vries ééée"},
                    kNameRefused);
    f.expectRefused(PairField::Naam, {"Jansen - Pietersen - van den Berg - de Vries - Bakker - Smit xx"},
                    kNameRefused); // 62 characters
    f.expectAccepted(PairField::Naam, fortyEight.c_str(), fortyEight);
    f.expectAccepted(PairField::Naam, "X", "X");
}

TEST(PairEdit, CommitPutsTheCopyInPlace) {
    Fixture f;
    ASSERT_TRUE(f.edit.open(4));
    ASSERT_TRUE(f.edit.enter(PairField::Naam, "Bakker - Smit"));
    ASSERT_TRUE(f.edit.enter(PairField::GrpNr, "7"));
    EXPECT_EQ(f.club.PairList[4].Naam.get(), "PaarA4"); // nothing changes before the commit
    ASSERT_TRUE(f.edit.commit());
    EXPECT_EQ(f.club.PairList[4].Naam.get(), "Bakker - Smit");
    EXPECT_EQ(f.club.PairList[4].GrpNr, 7);
    EXPECT_EQ(f.club.PairList[4].ClubNr, 4);

    // The list lost the row meanwhile.
    ASSERT_TRUE(f.edit.open(16));
    f.club.PairList.resize(10);
    f.dialogs.messages.clear();
    EXPECT_FALSE(f.edit.commit());
    ASSERT_EQ(f.dialogs.texts(), std::vector<std::string>{"Wijzigen van record mislukt"});
    EXPECT_EQ(f.club.PairList.size(), 10u);
}
