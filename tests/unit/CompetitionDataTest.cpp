#include "club/CompetitionData.h"

#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScriptedDialogs;

namespace {
const std::string kHintTail = "\n\r corrigeer (zonodig) invoer";
}

TEST(CompetitionData, NewRecordDefaults) {
    const TConfigObj c = NewConfigRecord(true);
    EXPECT_EQ(c.Head.PairCount, 40);
    EXPECT_EQ(c.Head.GroupCount, 4);
    EXPECT_EQ(c.Head.SessionsPerCompetition, 6);
    EXPECT_EQ(c.Head.TableCount, 24);
    EXPECT_EQ(c.Head.MaxPctOneSub, 55.0);
    EXPECT_EQ(c.Head.MaxPctTwoSubs, 45.0);
    EXPECT_EQ(c.Head.NeubergMode, 2);
    EXPECT_EQ(c.Head.ConfigFlags, 2);
    EXPECT_EQ(c.Head.CompetitionsPerSeason, 6);
    EXPECT_EQ(c.ScreenFontName.get(), "MS Sans Serif");
    EXPECT_EQ(c.PrinterFontName.get(), "Courier New");
    EXPECT_EQ(c.OptionFlags, 0x40);
    const TConfigObj d = NewConfigRecord(false);
    EXPECT_EQ(d.Head.SessionsPerCompetition, 1);
    EXPECT_EQ(d.Head.CompetitionsPerSeason, 0);
}

TEST(CompetitionData, TablesThatDoNotDivideAreKeptWithAMessage) {
    Club club = MakeClub(40, 5, 24);
    ScriptedDialogs dialogs;
    DeriveValues(club, &dialogs);
    EXPECT_EQ(club.TablesPerGroup, 4);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal Groepen is geen deler van aantal Tafels");
}

TEST(CompetitionData, FieldChecksGiveTheLastFailingMessage) {
    Club club = MakeClub(40, 4);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);

    model.text[FieldPairs] = "41";
    dialogs.answerNo(); // Toch afsluiten
    EXPECT_EQ(model.validateField(FieldPairs), 11);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal paren moet even zijn 41 is geen geldige waarde" + kHintTail);
    EXPECT_EQ(dialogs.messages[1].text, "Toch afsluiten ");
    EXPECT_EQ(model.draft().Head.PairCount, 40);

    dialogs.messages.clear();
    model.text[FieldPairs] = "600";
    dialogs.answerNo();
    EXPECT_EQ(model.validateField(FieldPairs), 12);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal te groot 600 is geen geldige waarde" + kHintTail);

    dialogs.messages.clear();
    model.text[FieldTables] = "x";
    dialogs.answerYes(); // Ja clears the error, the old value stays
    EXPECT_EQ(model.validateField(FieldTables), 0);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal foutief x is geen geldige waarde" + kHintTail);
    EXPECT_EQ(model.draft().Head.TableCount, 20);
    EXPECT_GE(dialogs.beeps, 1);

    dialogs.messages.clear();
    model.text[FieldSessions] = "13";
    dialogs.answerNo();
    EXPECT_EQ(model.validateField(FieldSessions), 15);
    EXPECT_EQ(ConfigDialogModel::fieldOfCode(15), FieldSessions);
}

TEST(CompetitionData, PairIncreaseRefusedAfterTheFirstSession) {
    Club club = MakeClub(40, 4, 0, 2);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.text[FieldPairs] = "48";
    dialogs.answerNo();
    EXPECT_EQ(model.validateField(FieldPairs), 10);
    EXPECT_EQ(dialogs.messages[0].text,
              "Alleen parenwijziging voor éérste zitting 48 niet toegestaan" + kHintTail);
}

TEST(CompetitionData, FortyPairsInThreeGroups) {
    Club club = MakeClub(40, 4);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.text[FieldGroups] = "3";
    dialogs.answerYes(); // Toch afsluiten
    EXPECT_EQ(model.validateField(FieldGroups), 0);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal groepen moet deler zijn van aantal paren, 40\rzie ook "
                                        "\"Zitting|Kiezen Parenselectie\" is geen geldige waarde" +
                                            kHintTail);
    dialogs.messages.clear();
    dialogs.answerYes(); // Toch afsluiten, again while OK validates
    dialogs.answerNo();  // does not fit: stay in the dialog
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(dialogs.texts().back(), "Aantalparen \"past\" niet in aantal groepen, doorgaan ?");
}

TEST(CompetitionData, PercentagesTakeCommaOrPoint) {
    Club club = MakeClub(40, 4);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.text[FieldPctOneSub] = "57,5";
    model.text[FieldPctTwoSubs] = "47.5";
    EXPECT_EQ(model.validateField(FieldPctOneSub), 0);
    EXPECT_EQ(model.validateField(FieldPctTwoSubs), 0);
    EXPECT_DOUBLE_EQ(model.draft().Head.MaxPctOneSub, 57.5);
    EXPECT_DOUBLE_EQ(model.draft().Head.MaxPctTwoSubs, 47.5);
    // The open competition changes only in commit.
    EXPECT_DOUBLE_EQ(club.CompetitionHead.MaxPctOneSub, 55.0);
    model.text[FieldPctTwoSubs] = "80";
    EXPECT_EQ(model.validateField(FieldPctTwoSubs), 18);
    EXPECT_EQ(dialogs.messages.back().text, "Aantal te groot 80 is geen geldige waarde" + kHintTail);
}

TEST(CompetitionData, AcceptFocusesTheFirstError) {
    Club club = MakeClub(40, 4);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.text[FieldTables] = "300";
    model.text[FieldPctOneSub] = "0";
    dialogs.answerNo();
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.focus, FieldTables);
}

TEST(CompetitionData, InputOrderSkipsCompetitionFieldsForADrive) {
    Club drive = MakeClub(20, 1, 10, 1, false);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(drive, dialogs, true);
    EXPECT_EQ(model.nextField(FieldGroups), FieldTables);
    EXPECT_EQ(model.nextField(FieldCalcMethod), FieldOk);
    EXPECT_EQ(model.caption(), "Zitting gegevens");
    EXPECT_EQ(model.label(FieldName), "Drive/Zitting naam ");
    Club club = MakeClub(40, 4);
    ConfigDialogModel competition(club, dialogs, false);
    EXPECT_EQ(competition.nextField(FieldGroups), FieldCompetitions);
    EXPECT_EQ(competition.nextField(FieldCalcMethod), FieldPromDegrButton);
    competition.scoringIndex = ModeIndividual;
    EXPECT_EQ(competition.label(FieldPairs), "Aantal Spelers");
}

TEST(CompetitionData, RaisingFortyPairsToFortyEightInFourGroups) {
    Club club = MakeClub(40, 4, 20, 1);
    club.SessionList[0].Rows[10].Points = 77; // last pair of group A
    TConfigObj accepted = club.ConfigRecord;
    accepted.Head.PairCount = 48;
    ScriptedDialogs dialogs;
    const StructuralChange change = ApplyStructuralChanges(club, accepted, dialogs);
    EXPECT_TRUE(change.pairCountChanged);
    EXPECT_EQ(dialogs.messages[0].text,
              "Aantal paren veranderd in: 48\rScore gegevens kunnen verloren gaan\r"
              "Bestand eerst bewaren en opnieuw openen\rSchema(`s) opnieuw inlezen");
    ASSERT_EQ(club.PairList.size(), 49u);
    EXPECT_EQ(club.PairsPerGroup, 12);
    // Group A: 1..10 then 41, 42; group B: 11..20 then 43, 44; ...
    EXPECT_EQ(club.PairList[11].ClubNr, 41);
    EXPECT_EQ(club.PairList[12].ClubNr, 42);
    EXPECT_EQ(club.PairList[12].Naam.get(), "PaarA12");
    EXPECT_EQ(club.PairList[13].ClubNr, 11);
    EXPECT_EQ(club.PairList[23].ClubNr, 43);
    EXPECT_EQ(club.PairList[23].Groep, 'B');
    EXPECT_EQ(club.PairList[23].GrpNr, 11);
    EXPECT_EQ(club.PairList[48].ClubNr, 48);
    EXPECT_EQ(club.PairList[48].Naam.get(), "PaarD12");
    const auto& rows = club.SessionList[0].Rows;
    ASSERT_EQ(rows.size(), 49u);
    EXPECT_EQ(rows[10].Points, 77.0f);
    EXPECT_EQ(rows[11].ClubNr, 41);
    EXPECT_EQ(rows[11].Status, 1);
    EXPECT_EQ(club.SessionList[0].GroupPairs[3], 12);
}

TEST(CompetitionData, LoweringPairsTakesTheirResultRowsAlong) {
    Club club = MakeClub(24, 2, 12, 1);
    club.SessionList[0].Rows[13].Points = 5; // first pair of group B
    TConfigObj accepted = club.ConfigRecord;
    accepted.Head.PairCount = 20;
    ScriptedDialogs dialogs;
    ApplyStructuralChanges(club, accepted, dialogs);
    EXPECT_EQ(club.CompetitionHead.PairCount, 20);
    ASSERT_EQ(club.PairList.size(), 21u);
    EXPECT_EQ(club.PairList[11].ClubNr, 13);
    EXPECT_EQ(club.SessionList[0].Rows.size(), 21u);
    EXPECT_EQ(club.SessionList[0].Rows[11].Points, 5.0f);
}

TEST(CompetitionData, ChangingTheGroupCountIsRefused) {
    Club club = MakeClub(40, 4);
    const Club before = club;
    TConfigObj accepted = club.ConfigRecord;
    accepted.Head.GroupCount = 2;
    accepted.Head.TableCount = 30;
    accepted.Degradations[0] = 3;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ApplyStructuralChanges(club, accepted, dialogs).refused);
    EXPECT_EQ(dialogs.messages[0].text,
              "Aantal groepen is veranderd, niet toegestaan\rMaak een NIEUW bestand");
    // Nothing of the refused dialog is taken, the promotion settings included.
    EXPECT_EQ(club.CompetitionHead, before.CompetitionHead);
    EXPECT_EQ(club.ConfigRecord, before.ConfigRecord);
    EXPECT_EQ(club.PairList, before.PairList);
}

TEST(CompetitionData, PromotionBoxWithThreeGroupsNeverShowsC) {
    Club club = MakeClub(30, 3, 15);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.openPromDegr();
    EXPECT_EQ(model.promDegr.letter(), 'A');
    EXPECT_EQ(model.promDegr.maxDegradations, 5);
    EXPECT_EQ(model.promDegr.maxBonus, 9);
    model.promDegr.degradations = 2;
    model.promDegr.bonus = 3;
    model.nextPromDegrGroup();
    EXPECT_EQ(model.promDegr.letter(), 'B');
    model.promDegr.degradations = 1;
    model.nextPromDegrGroup();
    EXPECT_EQ(model.promDegr.letter(), 'B');
    EXPECT_TRUE(model.confirmPromDegr());
    EXPECT_EQ(club.ConfigRecord.Degradations[0], 0);
    ASSERT_TRUE(model.accept());
    ASSERT_TRUE(model.commit());
    const TConfigObj& c = club.ConfigRecord;
    EXPECT_EQ(c.Degradations[0], 2);
    EXPECT_EQ(c.PromotionsUp[1], 2);
    EXPECT_EQ(c.GroupBonus[0], 3);
    EXPECT_EQ(c.Degradations[1], 1);
    EXPECT_EQ(c.PromotionsUp[2], 1);
    EXPECT_EQ(c.Degradations[2], 0);
    EXPECT_TRUE(model.promDegrConfirmed);
}

TEST(CompetitionData, TooManyTablesPerGroup) {
    Club club = MakeClub(80, 1, 40);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, true);
    ASSERT_TRUE(model.accept());
    EXPECT_FALSE(model.commit());
    EXPECT_TRUE(model.change().refused);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal Tafels per groep is te groot test_1.dba");
}

TEST(CompetitionData, TooManyTablesPerGroupChangesNothing) {
    // 24 pairs to 26 and 66 tables, 33 a group: refused after OK.
    Club club = MakeClub(24, 2, 12, 1);
    club.SessionList[0].Rows[5].Points = 50;
    const Club before = club;
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    model.text[FieldPairs] = "26";
    model.text[FieldTables] = "66";
    model.openPromDegr();
    model.promDegr.degradations = 2;
    ASSERT_TRUE(model.confirmPromDegr());
    ASSERT_TRUE(model.accept());
    EXPECT_FALSE(model.commit());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Aantal Tafels per groep is te groot test_1.dba"});
    EXPECT_EQ(club.CompetitionHead, before.CompetitionHead);
    EXPECT_EQ(club.ConfigRecord, before.ConfigRecord);
    EXPECT_EQ(club.PairList, before.PairList);
    EXPECT_EQ(club.SessionList, before.SessionList);
    EXPECT_EQ(club.PairsPerGroup, 12);
    EXPECT_EQ(club.TablesPerGroup, 6);
    EXPECT_EQ(SavingAfterChange(model.change(), model), ConfigSaving::None);
}

TEST(CompetitionData, HowAnAcceptedChangeIsSaved) {
    Club club = MakeClub(40, 4);
    ScriptedDialogs dialogs;
    ConfigDialogModel model(club, dialogs, false);
    StructuralChange change;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::None);
    change.headChanged = true;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::Write);
    change.pairCountChanged = true;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::WriteUnderChosenPath);
    change = {};
    model.enterConfirmed = true;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::WriteUnderChosenPath);
    model.enterConfirmed = false;
    model.promDegrConfirmed = true;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::WriteUnderChosenPath);
    // A refused change restored the head: nothing to write.
    change.refused = true;
    EXPECT_EQ(SavingAfterChange(change, model), ConfigSaving::None);
}
