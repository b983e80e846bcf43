#include "members/PairComposition.h"

#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

TKXLedenOBJ Member(const char* surname, const char* prefix, const char* first) {
    TKXLedenOBJ m;
    m.AchterNaam.set(surname);
    m.Voorzetsel.set(prefix);
    m.VoorNaam.set(first);
    return m;
}

// Six pairs in groups A and B; five members.
struct Composing {
    ScriptedDialogs dialogs;
    Club club = velk::test::MakeClub(6, 2, 3, 1);
    MembersRegister members{dialogs};
    PairComposition compose{club, members, dialogs};

    Composing() {
        club.CurrentSession = 1;
        club.SessionHead.CompetitionNr = 1;
        members.adopt({Member("Jansen", "", "Jan"), Member("Berg", "van der", "Annemarie"),
                       Member("Mulder", "", "René"), Member("Smit", "", "Zoë"),
                       Member("Hof", "van 't", "Kees")},
                      MembersSource::MembersFile, "leden.dat");
        EXPECT_TRUE(compose.open());
    }
    int pair(int row, int a, int b) {
        compose.choosePlayer1(a);
        compose.choosePlayer2(b);
        return compose.makePair(row);
    }
};

} // namespace

TEST(PairComposition, NamesAreSurnamePrefixFirstNameJoinedByAnAmpersand) {
    Composing c;
    EXPECT_EQ(c.compose.memberNames()[1], "Berg van der Annemarie");
    EXPECT_EQ(c.compose.memberNames()[0], "Jansen Jan");
    EXPECT_EQ(c.pair(0, 0, 1), 1);
    EXPECT_EQ(c.compose.rows()[0].name, "Jansen Jan & Berg van der Annemarie");
    EXPECT_TRUE(c.compose.used(0));
    EXPECT_TRUE(c.compose.used(1));
    EXPECT_FALSE(c.compose.used(2));
    EXPECT_TRUE(c.dialogs.messages.empty());
}

TEST(PairComposition, APlayerAlreadyInAnotherPairIsRefused) {
    Composing c;
    c.pair(0, 0, 1);
    // Annemarie is the second player of row 1: as first player of row 2 she is refused.
    EXPECT_EQ(c.pair(1, 1, 2), 1);
    EXPECT_EQ(c.dialogs.texts().back(), "Speler1 komt alvoor!");
    EXPECT_EQ(c.compose.rows()[1].name, "PaarA2");
    EXPECT_FALSE(c.compose.used(2));
    EXPECT_EQ(c.pair(1, 2, 0), 1);
    EXPECT_EQ(c.dialogs.texts().back(), "Speler2 komt alvoor!");
    EXPECT_EQ(c.pair(1, 3, 3), 1);
    EXPECT_EQ(c.dialogs.texts().back(), "Speler2 komt alvoor!");
    // The row itself may be composed again.
    EXPECT_EQ(c.pair(0, 1, 0), 1);
    EXPECT_EQ(c.compose.rows()[0].name, "Berg van der Annemarie & Jansen Jan");
}

TEST(PairComposition, DeleteGivesThePlainNameAndTheLastRowStops) {
    Composing c;
    c.pair(5, 2, 3);
    EXPECT_EQ(c.dialogs.texts().back(), "Aantal toegestane paren oveschreden");
    c.compose.deleteName(5);
    EXPECT_EQ(c.compose.rows()[5].name, "PaarB3");
    EXPECT_FALSE(c.compose.used(2));
    EXPECT_FALSE(c.compose.used(3));
    c.pair(0, 0, 1);
    c.compose.resetMarks();
    EXPECT_FALSE(c.compose.used(0));
}

TEST(PairComposition, CopyingWritesThePairListOnlyInTheFirstSession) {
    Composing c;
    c.pair(0, 0, 1);
    c.pair(1, 2, 3);
    c.dialogs.answerYes();
    EXPECT_TRUE(c.compose.copyToPairList());
    EXPECT_EQ(c.dialogs.texts().back(),
              "Paren kopiëren naar Parenbestand: \rAlleen voor de eerste zitting van een "
              "Bridge-Competitie \reen bridgedrive of een éénmalige zitting !");
    EXPECT_EQ(c.club.PairList[1].Naam.get(), "Jansen Jan & Berg van der Annemarie");
    EXPECT_EQ(c.club.PairList[2].Naam.get(), "Mulder René & Smit Zoë");
    EXPECT_EQ(c.club.PairList[3].Naam.get(), "PaarA3");
    EXPECT_TRUE(c.compose.namesCopied());

    Composing later;
    later.club.CurrentSession = 2;
    later.pair(0, 0, 1);
    later.dialogs.answerYes();
    EXPECT_FALSE(later.compose.copyToPairList());
    EXPECT_EQ(later.club.PairList[1].Naam.get(), "PaarA1");
    // A drive copies in any session.
    later.club.CompetitionHead.SessionsPerCompetition = 1;
    later.dialogs.answerYes();
    EXPECT_TRUE(later.compose.copyToPairList());
}

TEST(PairComposition, NamesLongerThanThePairFieldAreCut) {
    Composing c;
    c.members.Members[0].AchterNaam.set("Abcdefghijklmnopqrstuvwxyz");
    c.pair(0, 0, 1);
    c.dialogs.answerYes();
    c.compose.copyToPairList();
    EXPECT_EQ(c.club.PairList[1].Naam.get(), "Abcdefghijklmnopqrstuvwxyz Jan & Berg van der An");
}

TEST(PairComposition, CloseAsksToSaveOrToCopyFirst) {
    Composing c;
    c.dialogs.answerYes();
    EXPECT_FALSE(c.compose.close());
    EXPECT_EQ(c.dialogs.texts().back(), "Wilt u alsnog de Paar Combinaties redden, klik Kopiëren...");
    c.dialogs.answerNo();
    EXPECT_TRUE(c.compose.close());
    c.dialogs.answerYes();
    c.compose.copyToPairList();
    c.dialogs.answerNo();
    EXPECT_TRUE(c.compose.close());
    EXPECT_EQ(c.dialogs.texts().back(), "Wilt u de Paar Combinaties redden ?");

    ScriptedDialogs dialogs;
    Club none;
    MembersRegister members(dialogs);
    PairComposition refused(none, members, dialogs);
    EXPECT_FALSE(refused.open());
    EXPECT_EQ(dialogs.texts().back(), "Open of maak eerst een bridgebestand");
}
