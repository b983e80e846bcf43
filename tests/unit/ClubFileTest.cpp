#include "club/ClubFile.h"

#include "club/ClubListPrint.h"
#include "club/CompanionLists.h"
#include "club/NewFileWizard.h"
#include "club/Sessions.h"
#include "core/files/CompetitionFile.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

const FixedClock kClock(DateTime{2026, 12, 8, 20, 15, 0});

struct Fixture {
    Club club = MakeClub(20, 2, 10, 1);
    ScriptedDialogs dialogs;
    ClubFile file{club, dialogs, kClock};
};

} // namespace

TEST(ClubFile, DuplicateClubNumberStopsAtTheSecondPair) {
    Fixture f;
    f.club.PairList[7].ClubNr = 3;
    EXPECT_EQ(f.file.duplicateCheck(), 7);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "Clubnummer in duplo  :\r    3  A   3   PaarA3  \r    3  A   7   PaarA7  ");
    EXPECT_FALSE(f.file.save());
}

TEST(ClubFile, DuplicateGroupLabel) {
    Fixture f;
    f.club.PairList[12].Groep = 'A';
    f.club.PairList[12].GrpNr = 1;
    EXPECT_EQ(f.file.duplicateCheck(), 12);
    EXPECT_EQ(f.dialogs.messages[0].text.substr(0, 22), "Groep Label in duplo :");
}

TEST(ClubFile, UnsortedListIsNotSaved) {
    Fixture f;
    f.file.NeedSortFirst = true;
    EXPECT_FALSE(f.file.save());
    EXPECT_EQ(f.dialogs.messages[0].text, "Sorteer eerst het bestand op GroepNr.!");
}

TEST(ClubFile, SaveAsksAPathForAnUnnamedFileThenOpensAgain) {
    TempFolder folder;
    Fixture f;
    f.club.ClubFileName = "N_N";
    f.club.PairList[4].Naam.set("Jansen - De Vries");
    f.dialogs.files.push_back(folder.file("club_3"));
    ASSERT_TRUE(f.file.save());
    // A competition never saved gets the first competition's name, as in the new-file wizard.
    EXPECT_EQ(f.club.ClubFilePath, folder.file("club_3_1.dba"));
    EXPECT_EQ(f.club.ClubFileName, "club_3_1.dba");
    EXPECT_EQ(f.club.CompetitionNumber, 1);
    EXPECT_EQ(f.club.ScoreFilePath, folder.file("club_3_1.sco"));
    EXPECT_EQ(f.dialogs.fileChoices[0].filter, "velk bestand (*.dba)|*.DBA");
    EXPECT_EQ(f.dialogs.fileChoices[0].title, "Velk bestand");
    EXPECT_EQ(f.dialogs.texts().back(), "Wegschrijven van " + folder.file("club_3_1.dba") + " gelukt");

    Club other;
    ScriptedDialogs dialogs;
    ClubFile reader(other, dialogs, kClock);
    ASSERT_TRUE(reader.open(folder.file("club_3_1.dba")));
    EXPECT_EQ(other.PairList[4].Naam.get(), "Jansen - De Vries");
    EXPECT_EQ(other.CompetitionNumber, 1);
    EXPECT_EQ(other.PairsPerGroup, 10);
    EXPECT_EQ(other.CurrentSession, 1);
    EXPECT_EQ(other.SessionHead.CompetitionNr, 1);
    EXPECT_EQ(reader.PairListSnapshot.size(), 21u);
}

TEST(ClubFile, OverwriteQuestionNeeAbandonsTheSave) {
    TempFolder folder;
    Fixture f;
    f.club.ClubFileName = "N_N";
    velk::test::WriteBytes(folder.file("x_1.dba"), {1, 2, 3});
    f.dialogs.files.push_back(folder.file("x_1.dba"));
    f.dialogs.answerNo();
    EXPECT_FALSE(f.file.save());
    EXPECT_EQ(f.dialogs.texts().back(),
              "Bestand bestaat al\rbestand:" + folder.file("x_1.dba") + " overschrijven?");
    EXPECT_EQ(velk::test::ReadBytes(folder.file("x_1.dba")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ClubFile, OddPairCountAnsweredNeeLeavesTheFileAsItWas) {
    TempFolder folder;
    Fixture even;
    const std::string path = folder.file("club_1.dba");
    ASSERT_TRUE(even.file.writeTo(path, false));
    const auto before = ReadBytes(path);

    Club club = MakeClub(21, 1, 11, 1);
    ScriptedDialogs dialogs;
    ClubFile file{club, dialogs, kClock};
    dialogs.answerNo();
    EXPECT_FALSE(file.writeTo(path, false));
    EXPECT_TRUE(club.ErrorCode.ok());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Aantal paren is NIET even, toch doorgaan?");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.messages[0].buttons, Button::JaNee);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(folder.file("club_1.~db")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    dialogs.answerYes();
    EXPECT_TRUE(file.writeTo(path, false));
    CompetitionFileData reread;
    ErrorCode error;
    ASSERT_TRUE(ReadCompetitionFile(path, reread, dialogs, error));
    EXPECT_EQ(reread.ConfigRecord.Head.PairCount, 21);
    EXPECT_EQ(ReadBytes(folder.file("club_1.~db")), before);
}

TEST(ClubFile, FailedOpenKeepsWhatWasLoaded) {
    TempFolder folder;
    Fixture f;
    velk::test::WriteBytes(folder.file("bad.dba"), std::vector<std::uint8_t>(100, 0));
    EXPECT_FALSE(f.file.open(folder.file("bad.dba")));
    EXPECT_EQ(f.club.PairList.size(), 21u);
    EXPECT_EQ(f.club.ClubFileName, "test_1.dba");
    EXPECT_FALSE(f.dialogs.messages.empty());
}

TEST(ClubFile, InsertRefusedAfterTheFirstSession) {
    Fixture f;
    AppendNewSession(f.club);
    EXPECT_EQ(f.file.insertPair(3, 1), 0);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "Invoegen paren alleen mogelijk voor éérste zitting van Competitie");
}

TEST(ClubFile, InsertAfterTheCurrentPair) {
    Fixture f;
    f.dialogs.answerNo();  // not before
    f.dialogs.answerYes(); // after
    f.dialogs.answerNo();  // do not save
    EXPECT_EQ(f.file.insertPair(10, 1), 11);
    const TParenObj& p = f.club.PairList[11];
    EXPECT_EQ(p.ClubNr, 21);
    EXPECT_EQ(p.Groep, 'A');
    EXPECT_EQ(p.GrpNr, 11);
    EXPECT_EQ(p.Naam.get(), "PaarA11");
    EXPECT_EQ(f.club.CompetitionHead.PairCount, 21);
    EXPECT_EQ(f.club.SessionList[0].Rows.size(), 22u);
    EXPECT_EQ(f.club.SessionList[0].Rows[11].ClubNr, 21);
    EXPECT_EQ(
        f.dialogs.texts().back(),
        "Aantal paren veranderd in: 21\rScore gegevens gaan verloren\rWilt u gewijzigd bestand bewaren?");
}

TEST(ClubFile, DeleteAndMoveTakeTheResultRowsAlong) {
    Fixture f;
    f.club.SessionList[0].Rows[5].Points = 42;
    f.dialogs.answerYes();
    f.dialogs.answerNo();
    ASSERT_TRUE(f.file.deletePair(2));
    EXPECT_EQ(f.dialogs.messages[0].text, "Weet u zeker dat u paar: 2 wilt verwijderen");
    EXPECT_EQ(f.club.CompetitionHead.PairCount, 19);
    EXPECT_EQ(f.club.SessionList[0].Rows[4].Points, 42.0f);
    EXPECT_EQ(f.club.PairList[4].ClubNr, 5);

    ASSERT_TRUE(f.file.movePair(4, 1));
    EXPECT_EQ(f.club.PairList[1].ClubNr, 5);
    EXPECT_EQ(f.club.SessionList[0].Rows[1].Points, 42.0f);
    EXPECT_EQ(f.file.PairListSnapshot[1].ClubNr, 5);
}

TEST(ClubFile, LineAboveTheGrid) {
    Fixture f;
    EXPECT_EQ(f.file.competitionLine(),
              " Compet: 1 Mode: Paren   Zitt(n): 1( 6)  Paren: 20  Tafels:  10 Spellen:24 "
              "Ronden: 6   Datum  08-12-2026");
}

TEST(ClubFile, TwoLinesAreStoredInTheSession) {
    Fixture f;
    f.dialogs.answerYes();
    f.file.askTwoLines();
    EXPECT_EQ(f.club.SessionList[0].TwoLines, 1);
    EXPECT_EQ(f.dialogs.messages[1].text, "NZ en OW rangorde berekening in 2 lijnen bewaard");
}

TEST(ClubList, PagesWithRulesAfterEveryGroup) {
    Club club = MakeClub(4, 2, 2, 1);
    const auto pages = ClubListPages(club, "Velk  test_1.dba", {4, 4, 4, 4, 10, 4}, 60, false);
    ASSERT_EQ(pages.size(), 1u);
    const auto& lines = pages[0];
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "|Indx|Nr. |Grp.|GrpN|Naam      |");
    EXPECT_EQ(lines[3], "|1   |1   |A   |1   |PaarA1    |");
    EXPECT_EQ(lines[5], std::string(32, '-'));
    EXPECT_EQ(lines[8], std::string(32, '-'));
    EXPECT_EQ(ClubListPages(club, "t", {4, 4, 4, 4, 10, 4}, 5, false).size(), 2u);
}

// ---------------------------------------------------------------------------------------------

namespace {

// Answers the wizard's windows as a club administrator would: Verder everywhere, the data dialog
// accepted with 16 pairs in 2 groups.
class ScriptedHost : public WizardHost {
public:
    explicit ScriptedHost(Club& club) : club_(club) {}
    int stopAt = 0;
    std::vector<int> steps;
    bool pairWindowShown = false;
    int schedulesRead = 0;
    bool optionsOpened = false;

    bool showStep(int step, bool& useMemberNames) override {
        steps.push_back(step);
        useMemberNames = false;
        return step != stopAt;
    }
    bool editCompetitionData() override {
        club_.CompetitionHead.PairCount = 16;
        club_.CompetitionHead.GroupCount = 2;
        club_.CompetitionHead.TableCount = 8;
        club_.CompetitionHead.CompetitionName.set("BC Velk");
        return true;
    }
    void showPairWindow() override { pairWindowShown = true; }
    void openPairSelection() override {}
    bool chooseSession() override { return true; }
    bool readSchedule() override { return ++schedulesRead < 1; }
    void openOptionsSettings() override { optionsOpened = true; }

private:
    Club& club_;
};

} // namespace

TEST(NewFileWizard, CompetitionEndToEnd) {
    TempFolder folder;
    Club club;
    ScriptedDialogs dialogs;
    ClubFile file(club, dialogs, kClock);
    ScriptedHost host(club);
    NewFileWizard wizard(club, file, dialogs, host);
    dialogs.files.push_back(folder.file("bc2026.dba"));
    ASSERT_TRUE(wizard.run(true));
    EXPECT_EQ(host.steps, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(host.pairWindowShown);
    EXPECT_TRUE(host.optionsOpened);
    EXPECT_EQ(dialogs.messages[0].text,
              "Velk Bridgebestand wordt bewaard\rZitting 1 van Competitie 1 is gekozen");
    EXPECT_EQ(club.ClubFilePath, folder.file("bc2026_1.dba"));

    CompetitionFileData data;
    ErrorCode error;
    ASSERT_TRUE(ReadCompetitionFile(folder.file("bc2026_1.dba"), data, dialogs, error));
    EXPECT_EQ(data.ConfigRecord.Head.CompetitionName.get(), "BC Velk");
    ASSERT_EQ(data.PairList.size(), 17u);
    EXPECT_EQ(data.PairList[0].Indx, 2026);
    EXPECT_EQ(data.PairList[0].Naam.get(), "bc2026_1.dba");
    EXPECT_EQ(data.PairList[16].Naam.get(), "PaarB8");
    ASSERT_EQ(data.SessionList.size(), 1u);
    EXPECT_EQ(data.SessionList[0].CompetitionNr, 1);
    EXPECT_EQ(data.SessionList[0].SessionDate.get(), "08-12-2026");
    EXPECT_EQ(data.SlamBonusTable.Values[2], 3);
}

TEST(NewFileWizard, EachStopHasItsMessage) {
    const std::pair<int, const char*> cases[] = {
        {1, "Nieuwe Competitie afgebroken"},
        {2, "Nieuwe Competitie afgebroken, geen bridgebestand aangemaakt"},
        {3, "Nieuwe Competitie afgebroken, geen bridgebestand; geen zitting geopend"},
        {4, "Nieuwe Competitie afgebroken, bridgebestand niet bewaard"},
        {13, "Nieuwe Drive/Zitting afgebroken, geen zitting geopend"},
        {11, "Nieuwe Drive/Zitting afgebroken afgebroken"},
    };
    for (const auto& [step, message] : cases) {
        Club club;
        ScriptedDialogs dialogs;
        ClubFile file(club, dialogs, kClock);
        ScriptedHost host(club);
        host.stopAt = step;
        NewFileWizard wizard(club, file, dialogs, host);
        EXPECT_FALSE(wizard.run(step < 10));
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back().text, message);
        EXPECT_EQ(dialogs.messages.back().kind, MessageKind::Information);
    }
}

TEST(NewFileWizard, NoPathAcceptedAsksToGoOn) {
    Club club;
    ScriptedDialogs dialogs;
    ClubFile file(club, dialogs, kClock);
    ScriptedHost host(club);
    NewFileWizard wizard(club, file, dialogs, host);
    dialogs.files.push_back(std::nullopt);
    dialogs.answerNo();
    EXPECT_FALSE(wizard.run(true));
    EXPECT_EQ(dialogs.texts().back(), "Bridgebestand niet bewaard\rwilt u doorgaan? ");
    EXPECT_EQ(host.steps.back(), 4);
}

TEST(NewFileWizard, StepTexts) {
    EXPECT_EQ(StepText(3).caption, "Competitiegegevens Stap: 3");
    EXPECT_EQ(StepText(14).caption, "Drive/Zittinggegevens Stap: 4");
    EXPECT_EQ(StepText(11).continueCaption, "Doorgaan");
    EXPECT_EQ(StepText(12).continueCaption, "Verder");
    EXPECT_EQ(StepText(1).text.rfind("ClubCompetitie 1", 0), 0u);
    const std::string first = StepText(1).text;
    const std::string drive = StepText(11).text;
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 16);
    EXPECT_EQ(std::count(drive.begin(), drive.end(), '\n'), 25);
    EXPECT_EQ(StepText(5).text.rfind("Het Bridgebestand is opgeslagen voorzien van de Index 1", 0), 0u);
}

TEST(ClubFile, NextCompetitionRegroupsAndStartsAFreshFile) {
    TempFolder folder;
    Fixture f;
    f.club.ClubFilePath = folder.file("club_1.dba");
    f.club.ConfigRecord.Degradations[0] = 2;
    f.club.ConfigRecord.PromotionsUp[1] = 2;
    for (int i = 1; i <= 20; ++i) {
        f.club.PairList[static_cast<std::size_t>(i)].Rang = static_cast<std::int16_t>((i - 1) % 10 + 1);
        f.club.SessionList[0].Rows[static_cast<std::size_t>(i)].Points = 10.0f * static_cast<float>(i);
    }
    AppendNewSession(f.club);
    f.dialogs.answerYes(); // save under a new name
    f.dialogs.files.push_back(folder.file("club_2.dba"));
    f.dialogs.answerYes(); // open it
    EXPECT_EQ(f.file.nextCompetition(), ClubFile::NextResult::Opened);
    EXPECT_EQ(f.dialogs.fileChoices[0].initialPath, folder.file("club_2.dba"));
    EXPECT_EQ(f.club.ClubFilePath, folder.file("club_2.dba"));
    EXPECT_EQ(f.club.CompetitionNumber, 2);
    ASSERT_EQ(f.club.SessionCount(), 1);
    EXPECT_EQ(f.club.SessionList[0].CompetitionNr, 2);
    for (const auto& row : f.club.SessionList[0].Rows)
        EXPECT_EQ(row.Points, 0.0f);
    // Ranks 9 and 10 of A went down, ranks 1 and 2 of B came up.
    EXPECT_EQ(f.club.PairList[9].ClubNr, 11);
    EXPECT_EQ(f.club.PairList[9].Groep, 'A');
    EXPECT_EQ(f.club.PairList[11].ClubNr, 9);
    EXPECT_EQ(f.club.PairList[11].Groep, 'B');
    EXPECT_EQ(f.club.PairList[11].GrpNr, 1);
}

TEST(ClubFile, SaveWritesTheScoresSchedulesAndSlamsInMemoryToo) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    CompanionLists companions(dialogs);
    Club club = MakeClub(16, 2, 8, 1);
    club.Companions = &companions;
    companions.sessionCreated(club, 1);
    ClubFile file(club, dialogs, kClock);
    const std::string path = folder.file("club_1.dba");
    ASSERT_TRUE(file.writeTo(path, false));
    ASSERT_EQ(companions.saveUnder(club, path), 0);
    ASSERT_TRUE(file.open(path));

    club.SessionScoreList[0].Records[7].Score = 620;
    club.SessionScheduleList[0].Entries[1].NS = 5;
    club.SessionSlamList[0].Records[3].SlamCounts[1] = 2;
    dialogs.messages.clear();
    ASSERT_TRUE(file.save(false, false));

    Club reread;
    CompanionLists again(dialogs);
    reread.Companions = &again;
    ClubFile second(reread, dialogs, kClock);
    ASSERT_TRUE(second.open(path));
    EXPECT_EQ(reread.SessionScoreList[0].Records[7].Score, 620);
    EXPECT_EQ(reread.SessionScheduleList[0].Entries[1].NS, 5);
    EXPECT_EQ(reread.SessionSlamList[0].Records[3].SlamCounts[1], 2);
    EXPECT_TRUE(std::filesystem::exists(folder.file("club_1.~sc")));
}

TEST(ClubFile, DeclinedSaveAsKeepsNameNumberAndSessions) {
    TempFolder folder;
    Club club = MakeClub(21, 1, 11, 2);
    ScriptedDialogs dialogs;
    ClubFile file{club, dialogs, kClock};
    const std::string path = folder.file("club_1.dba");
    dialogs.answerYes(); // odd pair count
    ASSERT_TRUE(file.writeTo(path, false));
    const auto before = ReadBytes(path);

    dialogs.files.push_back(folder.file("c_9.dba"));
    dialogs.answerNo(); // Aantal paren is NIET even, toch doorgaan?
    EXPECT_FALSE(file.saveAs());
    EXPECT_FALSE(std::filesystem::exists(folder.file("c_9.dba")));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(club.ClubFilePath, path);
    EXPECT_EQ(club.ClubFileName, "club_1.dba");
    EXPECT_EQ(club.CompetitionNumber, 1);
    EXPECT_EQ(club.SessionHead.CompetitionNr, 1);
    for (const auto& session : club.SessionList)
        EXPECT_EQ(session.CompetitionNr, 1);
    EXPECT_TRUE(file.isOnDisk());
}

TEST(ClubFile, DeclinedFirstSaveKeepsTheFileUnnamed) {
    TempFolder folder;
    Club club = MakeClub(21, 1, 11, 1);
    club.ClubFileName = "N_N";
    club.ClubFilePath = "*.dba";
    ScriptedDialogs dialogs;
    ClubFile file{club, dialogs, kClock};
    dialogs.files.push_back(folder.file("club"));
    dialogs.answerNo(); // odd pair count
    EXPECT_FALSE(file.save());
    EXPECT_EQ(club.ClubFileName, "N_N");
    EXPECT_EQ(club.ClubFilePath, "*.dba");
    EXPECT_FALSE(std::filesystem::exists(folder.file("club_1.dba")));
}

TEST(ClubFile, NextCompetitionRefusesANameWithoutNumber) {
    TempFolder folder;
    Fixture f;
    f.club.ClubFilePath = folder.file("club2026_1.dba");
    f.dialogs.answerYes(); // save under a new name
    f.dialogs.files.push_back(folder.file("club2026_?.dba"));
    f.dialogs.files.push_back(folder.file("club2026_2.dba"));
    f.dialogs.answerNo(); // do not open it
    EXPECT_EQ(f.file.nextCompetition(), ClubFile::NextResult::Saved);
    EXPECT_EQ(f.dialogs.texts()[1], "Bestand zonder Competitie-Index : club2026_?.dba");
    ASSERT_EQ(f.dialogs.fileChoices.size(), 2u);
    EXPECT_EQ(f.dialogs.fileChoices[0].initialPath, folder.file("club2026_2.dba"));
    EXPECT_EQ(f.dialogs.fileChoices[1].initialPath, folder.file("club2026_2.dba"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("club2026_?.dba")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("club2026_2.dba")));
    EXPECT_EQ(f.club.CompetitionNumber, 2);
}
