#include "club/Sessions.h"

#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScriptedDialogs;

namespace {
const std::string kHintTail = " is geen geldige waarde\n\r corrigeer (zonodig) invoer";
}

TEST(Sessions, NewSessionDefaults) {
    Club club = MakeClub(40, 4, 20, 1);
    ASSERT_EQ(club.SessionCount(), 1);
    const TZitCalcObj& s = club.SessionList[0];
    EXPECT_EQ(s.SessionNr, 1);
    EXPECT_EQ(s.CompetitionNr, 1);
    EXPECT_EQ(s.BoardCount, 24);
    EXPECT_EQ(s.RoundCount, 6);
    EXPECT_EQ(s.BoardGroupCount, 6);
    EXPECT_EQ(s.FirstBoardNumber, 1);
    EXPECT_EQ(s.BoardsPerRound, 4);
    EXPECT_EQ(s.TablesPerGroup, 5);
    EXPECT_EQ(s.PairsPerGroup, 10);
    EXPECT_EQ(s.SessionDate.get(), "08-12-2026");
    EXPECT_EQ(s.GroupPairs[3], 10);
    EXPECT_EQ(s.GroupPairs[4], 0);
    ASSERT_EQ(s.Rows.size(), 41u);
    EXPECT_EQ(s.Rows[0].ClubNr, 0);
    EXPECT_EQ(s.Rows[40].ClubNr, 40);
    EXPECT_EQ(s.Rows[40].Status, 1);
    EXPECT_EQ(club.CurrentSession, 1);
    EXPECT_EQ(SessionDateText(3, 7, 2026), "03-07-2026");
}

TEST(Sessions, NewSessionProposesThePreviousEvening) {
    Club club = MakeClub(40, 4, 20, 1);
    TZitCalcObj& first = club.SessionList[0];
    first.BoardCount = 21;
    first.RoundCount = 7;
    first.BoardGroupCount = 7;
    first.BoardsPerRound = 3;
    first.FirstBoardNumber = 5;
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    ASSERT_TRUE(model.open(SessionDialogModel::NewSession));
    EXPECT_EQ(model.text[BoardsField], "21");
    EXPECT_EQ(model.text[RoundsField], "7");
    EXPECT_EQ(model.text[BoardGroupsField], "7");
    EXPECT_EQ(model.text[GroupLengthField], "3");
    EXPECT_EQ(model.text[FirstBoardField], "1");
}

TEST(Sessions, NewSessionRefusedWhenAllExist) {
    Club club = MakeClub(40, 4, 20, 6);
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    EXPECT_FALSE(model.open(SessionDialogModel::NewSession));
    EXPECT_EQ(dialogs.messages[0].text, "Zitting niet te openeen \rGebruik lagere zitting index");
}

TEST(Sessions, ConflictingWindowBlocksTheDialog) {
    Club club = MakeClub(40, 4, 20, 1);
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    EXPECT_FALSE(model.open(SessionDialogModel::ChooseSession, "Scorevenster"));
    EXPECT_EQ(dialogs.messages[0].text,
              "Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", Sluit: Scorevenster");
}

TEST(Sessions, ParameterChecks) {
    Club club = MakeClub(40, 4, 20, 1);
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    ASSERT_TRUE(model.open(SessionDialogModel::NewSession));
    EXPECT_EQ(model.sessionBoxText, "Zitting :2");
    EXPECT_EQ(model.sessionLabel, "Nieuwe zitting");

    model.text[BoardsField] = "26";
    model.text[BoardGroupsField] = "6";
    EXPECT_EQ(model.validateField(BoardsField), 0);
    EXPECT_EQ(model.validateField(BoardGroupsField), 0);
    EXPECT_EQ(model.validateField(GroupLengthField), GroupLengthField);
    EXPECT_EQ(dialogs.messages.back().text,
              "Aantal foutief \rAantal Spellen per spelgroep foutief: 4 " + kHintTail);

    model.text[RoundsField] = "17";
    EXPECT_EQ(model.validateField(RoundsField), RoundsField);
    EXPECT_EQ(dialogs.messages.back().text, "Aantal foutief \rAantal Ronden te groot: 17 " + kHintTail);
    model.text[FirstBoardField] = "0";
    EXPECT_EQ(model.validateField(FirstBoardField), FirstBoardField);
    EXPECT_EQ(dialogs.messages.back().text, "Aantal foutief \rEerste Spelnummer = 0 " + kHintTail);
    EXPECT_EQ(club.SessionHead.RoundCount, 6);
}

TEST(Sessions, FewerBoardsThanRoundsTimesLengthAsks) {
    Club club = MakeClub(40, 4, 20, 1);
    ScriptedDialogs dialogs;
    bool saved = false;
    SessionDialogModel model(club, dialogs, [&] { return saved = true; });
    ASSERT_TRUE(model.open(SessionDialogModel::NewSession));
    model.text[RoundsField] = "7";
    dialogs.answerNo();
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.texts().back(),
              "Aantalspellen is kleiner dan aantal rondes x spellen per tafel, doorgaan ?");
    dialogs.answerYes();
    EXPECT_TRUE(model.accept());
    EXPECT_TRUE(saved);
    EXPECT_EQ(club.SessionList[1].RoundCount, 7);
    dialogs.answerNo(); // Zitting openen ?
    EXPECT_FALSE(model.finish());
    EXPECT_EQ(club.SessionCount(), 2);
}

TEST(Sessions, CancelledNewSessionGoesAgain) {
    Club club = MakeClub(40, 4, 20, 1);
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    ASSERT_TRUE(model.open(SessionDialogModel::NewSession));
    EXPECT_EQ(club.SessionCount(), 2);
    model.cancel();
    model.finish();
    EXPECT_EQ(club.SessionCount(), 1);
    EXPECT_EQ(club.CurrentSession, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Sessions, ChoosingBySessionBox) {
    Club club = MakeClub(40, 4, 20, 3);
    ScriptedDialogs dialogs;
    SessionDialogModel model(club, dialogs);
    ASSERT_TRUE(model.open(SessionDialogModel::ChooseSession));
    EXPECT_EQ(model.sessionItems.size(), 3u);
    EXPECT_EQ(model.okCaption, "Kiezen");
    model.sessionBoxText = "Zitting: 0";
    EXPECT_FALSE(model.choose());
    EXPECT_EQ(dialogs.messages.back().text, "Zitting = 0 " + kHintTail);
    model.sessionBoxText = "Zitting: 7";
    EXPECT_FALSE(model.choose());
    EXPECT_EQ(dialogs.messages.back().text, "Zitting niet te openeen \rgebruik lagere zitting index");
    model.sessionBoxText = "Zitting: 5";
    EXPECT_FALSE(model.choose());
    EXPECT_EQ(dialogs.messages.back().text,
              "Zitting niet te openen;\rgebruik \"Nieuwe Zitting\"voor nieuwe zitting");
    model.sessionBoxText = "Zitting: 2";
    EXPECT_TRUE(model.choose());
    EXPECT_EQ(club.CurrentSession, 2);
    EXPECT_EQ(model.state, SessionDialogModel::Edit);
    EXPECT_EQ(model.focus, BoardsField);
}

TEST(Sessions, OnlyTheLastSessionCanBeDeleted) {
    Club club = MakeClub(40, 4, 20, 3);
    ScriptedDialogs dialogs;
    LoadSession(club, 2);
    EXPECT_FALSE(DeleteLastSession(club, dialogs));
    EXPECT_EQ(dialogs.messages[0].text, "Zitting niet te verwijderen\rgebruik hoger ZittingNr.");
    EXPECT_EQ(club.SessionCount(), 3);
    LoadSession(club, 3);
    bool saved = false;
    EXPECT_TRUE(DeleteLastSession(club, dialogs, [&] { return saved = true; }));
    EXPECT_EQ(club.SessionCount(), 2);
    EXPECT_EQ(club.CurrentSession, 2);
    EXPECT_TRUE(saved);
    EXPECT_EQ(dialogs.messages.back().text, "Zitting verwijderd, Nr: 3");
}

TEST(Sessions, PickerTakesStarForAll) {
    Club club = MakeClub(40, 4, 20, 3);
    ScriptedDialogs dialogs;
    SessionPickerModel picker(club, dialogs);
    picker.boxText = "* alle";
    ASSERT_TRUE(picker.validate());
    EXPECT_EQ(picker.result, 0);
    picker.boxText = "4";
    EXPECT_FALSE(picker.validate());
    picker.boxText = "";
    EXPECT_FALSE(picker.validate());
    picker.boxText = "2";
    ASSERT_TRUE(picker.validate());
    EXPECT_EQ(picker.result, 2);
}

TEST(Sessions, ActivePairsPerGroup) {
    Club club = MakeClub(40, 4, 20, 1);
    ScriptedDialogs dialogs;
    ActivePairsModel model(club, dialogs);
    EXPECT_EQ(model.pairs, 10);
    model.pairs = 8;
    model.tables = 4;
    model.nextGroup();
    EXPECT_EQ(model.letter(), 'B');
    dialogs.answerNo();
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.texts().back(), "Zijn alle groepen \"gedaan\" ");
    dialogs.answerYes();
    EXPECT_TRUE(model.accept());
    EXPECT_EQ(club.SessionList[0].GroupPairs[0], 8);
    EXPECT_EQ(club.SessionList[0].GroupTables[0], 4);
}
