#include "terminals/JournalRestore.h"

#include "scoring/ScoreEntryCalculation.h"
#include "support/LoadedScoreTables.h"
#include "support/NullDialogs.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velk;
using namespace velk::terminals;

namespace {

struct RestoreFixture : ::testing::Test {
    test::TempFolder folder{"restore"};
    Club club = test::MakeTwoRoundClub();
    std::string journal = folder.file("club_journal1.jsonl");

    void SetUp() override { club.ScoreFilePath = folder.file("club.sco"); }
    const TScoreObj& at(int board, int pair) const {
        return club.SessionScoreList.front()
            .Records[static_cast<std::size_t>(ScoreRecordIndex(1, board, pair, 8, 8))];
    }
};

} // namespace

TEST_F(RestoreFixture, TheJournalsEntriesGoBackIntoTheSavedScoreFileAndTheJournalEmpties) {
    std::ofstream(journal, std::ios::binary)
        << R"({"table":"A1","board":1,"entry":{"score":"420"}})"
        << '\n'
        // Board 3 at A2, pairs 2 v 6, East-West vulnerable: 3NT by West with an overtrick is 630.
        << R"({"table":"A2","board":3,"entry":{"contract":"3SA","declarer":"W","result":"+1"}})" << '\n'
        << R"({"table":"A2","board":4,"en)";
    const JournalRestoreResult result = RestoreTableJournal(club, test::LoadedScoreTables(), journal);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(result.restored, 2);
    EXPECT_EQ(RestoredText(result.restored), "2 invoer(en) van de tafels uit het journaal hersteld");
    EXPECT_EQ(at(1, 1).Score, 420);
    EXPECT_EQ(at(1, 5).Score, -420);
    EXPECT_EQ(at(3, 6).Score, 630);
    EXPECT_EQ(at(3, 2).Score, -630);
    EXPECT_TRUE(std::filesystem::exists(club.ScoreFilePath));
    EXPECT_EQ(std::filesystem::file_size(journal), 0u);
    EXPECT_FALSE(JournalWaiting(journal));
}

TEST_F(RestoreFixture, NoJournalOrNothingUsableInItWritesNoScoreFile) {
    EXPECT_EQ(RestoreTableJournal(club, test::LoadedScoreTables(), journal).restored, 0);
    std::ofstream(journal, std::ios::binary) << R"({"table":"Z9","board":1,"entry":{"score":"420"}})" << '\n';
    EXPECT_TRUE(JournalWaiting(journal));
    const JournalRestoreResult result = RestoreTableJournal(club, test::LoadedScoreTables(), journal);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(result.restored, 0);
    EXPECT_FALSE(std::filesystem::exists(club.ScoreFilePath));
    EXPECT_FALSE(JournalWaiting(journal));
}

TEST_F(RestoreFixture, AJournalThatCannotBeReadStaysAndSaysSo) {
    std::ofstream(journal, std::ios::binary) << std::string(5000, 'x') << '\n';
    const JournalRestoreResult result = RestoreTableJournal(club, test::LoadedScoreTables(), journal);
    EXPECT_EQ(result.problem, "Journaal niet correct: " + journal);
    EXPECT_EQ(result.restored, 0);
    EXPECT_TRUE(JournalWaiting(journal));
    EXPECT_FALSE(std::filesystem::exists(club.ScoreFilePath));
}

TEST_F(RestoreFixture, TheWindowsDiscardKeepsWhatAPhoneStoredMeanwhile) {
    test::NullDialogs dialogs;
    SessionScoreEntry window = MakeSessionScoreEntry(club, test::LoadedScoreTables(), dialogs);
    SessionScoreEntry phone = MakeSessionScoreEntry(club, test::LoadedScoreTables(), dialogs);
    ASSERT_TRUE(window.entry->open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(phone.entry->open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(window.entry->acceptScoreFor(1, 1, "420"));
    ASSERT_TRUE(phone.entry->acceptScoreFor(3, 2, "110"));
    window.entry->adoptRecords({static_cast<std::size_t>(ScoreRecordIndex(1, 3, 2, 8, 8)),
                                static_cast<std::size_t>(ScoreRecordIndex(1, 3, 6, 8, 8))});
    // Only the window's own typing would be lost.
    EXPECT_EQ(window.entry->unsavedBoardsText(), "groep A spel 1");
    window.entry->discard();
    EXPECT_TRUE(AwaitsScore(at(1, 1)));
    EXPECT_TRUE(AwaitsScore(at(1, 5)));
    EXPECT_EQ(at(3, 2).Score, 110);
    EXPECT_EQ(at(3, 6).Score, -110);
}
