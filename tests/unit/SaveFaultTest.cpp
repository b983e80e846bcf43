// Saves that fail part way, as on a disk that fills up: the file-size limit of the process stops
// every write past N bytes. For every N short of the new file's size the previous file and its
// backup must stay byte for byte as they were, and the failure must be reported.
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "club/SessionSchedules.h"
#include "core/SafeSave.h"
#include "core/files/CompetitionFile.h"
#include "core/files/ScoreFile.h"
#include "core/files/SessionScheduleFile.h"
#include "core/files/SlamFile.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

const FixedClock kClock(DateTime{2026, 12, 8});

// While it lives, no file of this process can grow past `bytes`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// A competition of 16 pairs in two groups with one session, saved twice so that every file has
// its backup, then changed once more.
struct SavedCompetition {
    TempFolder folder;
    ScriptedDialogs dialogs;
    CompanionLists companions{dialogs};
    Club club = velk::test::MakeClub(16, 2, 8, 1);
    ClubFile file{club, dialogs, kClock};
    std::string path = folder.file("club_1.dba");

    SavedCompetition() {
        club.Companions = &companions;
        companions.sessionCreated(club, 1);
        for (int round = 1; round <= 3; ++round) {
            club.PairList[1].Naam.set("Paar " + std::to_string(round));
            club.SessionScoreList[0].Records[5].Score = static_cast<std::int16_t>(100 * round);
            club.SessionSlamList[0].Records[2].SlamCounts[0] = static_cast<std::uint8_t>(round);
            club.SessionScheduleList[0].Entries[1].NS = static_cast<std::int16_t>(round);
            if (round < 3) {
                EXPECT_TRUE(file.writeTo(path, false));
                EXPECT_EQ(companions.saveUnder(club, path), 0);
            }
        }
        dialogs.messages.clear();
    }
};

// Raises the limit a byte at a time until `save` succeeds, which it must do exactly at
// `expectedSize`; before that every attempt fails and leaves `file` and `backup` untouched.
void ExpectEveryShortWriteFails(const std::string& file, const std::string& backup, std::size_t expectedSize,
                                const std::function<bool()>& save, ScriptedDialogs& dialogs,
                                const std::string& message) {
    const auto before = ReadBytes(file);
    const auto backupBefore = ReadBytes(backup);
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(backupBefore.empty());
    ASSERT_NE(before, backupBefore);
    for (std::size_t limit = 0; limit < expectedSize; ++limit) {
        dialogs.messages.clear();
        bool saved = false;
        {
            FileSizeLimit cap(limit);
            saved = save();
        }
        ASSERT_FALSE(saved) << "at " << limit << " bytes";
        ASSERT_EQ(ReadBytes(file), before) << "at " << limit << " bytes";
        ASSERT_EQ(ReadBytes(backup), backupBefore) << "at " << limit << " bytes";
        ASSERT_FALSE(std::filesystem::exists(file + ".~tmp"));
        ASSERT_EQ(dialogs.texts(), std::vector<std::string>{message}) << "at " << limit << " bytes";
    }
    FileSizeLimit cap(expectedSize);
    EXPECT_TRUE(save());
    EXPECT_EQ(ReadBytes(backup), before);
    EXPECT_EQ(std::filesystem::file_size(file), expectedSize);
}

} // namespace

TEST(SaveFault, CompetitionFile) {
    SavedCompetition c;
    ErrorCode error;
    const std::size_t size =
        SerializeCompetitionFile(c.club, c.club.CompetitionHead, "club_1.dba", c.club.SeasonYear).size();
    ExpectEveryShortWriteFails(
        c.path, c.folder.file("club_1.~db"), size,
        [&] {
            return WriteCompetitionFile(c.path, c.club, c.club.CompetitionHead, "club_1.dba",
                                        c.club.SeasonYear, c.dialogs, error);
        },
        c.dialogs, c.path + " wegschrijven NIET gelukt\n\r controleer bestand");
}

TEST(SaveFault, ScheduleFile) {
    SavedCompetition c;
    const std::string path = c.folder.file("club_1.sma");
    const std::size_t size = SerializeSessionSchedules(c.club.TableLabelList, c.club.SessionScheduleList,
                                                       c.club.CompetitionHead.TableCount)
                                 .size();
    ExpectEveryShortWriteFails(
        path, c.folder.file("club_1.~sm"), size,
        [&] { return SaveSessionSchedules(c.club, path, c.dialogs); }, c.dialogs,
        path + " wegschrijven NIET gelukt\n\r controleer data van Schema(`s)");
}

TEST(SaveFault, ScoreFile) {
    SavedCompetition c;
    ErrorCode error;
    const std::string path = c.folder.file("club_1.sco");
    const std::size_t size = SerializeScoreFile(c.club.SessionScoreList, 16).size();
    ExpectEveryShortWriteFails(
        path, c.folder.file("club_1.~sc"), size,
        [&] { return WriteScoreFile(path, c.club.SessionScoreList, 16, true, c.dialogs, error); }, c.dialogs,
        "Scorelijst niet bewaard zitting: 1");
}

TEST(SaveFault, SlamFile) {
    SavedCompetition c;
    ErrorCode error;
    const std::string path = SlamFileWritePath(c.folder.file("club_1.slm"));
    const std::size_t size = SerializeSlamFile(c.club.SessionSlamList, 16).size();
    ExpectEveryShortWriteFails(
        path, c.folder.file("club_1.~sl"), size,
        [&] { return WriteSlamFile(path, c.club.SessionSlamList, 16, true, c.dialogs, error); }, c.dialogs,
        "Slemlijst niet bewaard; zitting: 1");
}

TEST(SaveFault, ABackupThatCannotBeMadeLeavesThePreviousFile) {
    TempFolder folder;
    const std::string path = folder.file("club_1.sco");
    const std::vector<std::uint8_t> old = {1, 2, 3};
    ASSERT_TRUE(SaveFileAtomically(path, old, ".~sc"));
    // A non-empty folder at the backup's name cannot be replaced by the previous file.
    std::filesystem::create_directories(folder.file("club_1.~sc") + "/in-the-way");
    const std::vector<std::uint8_t> next = {4, 5};
    EXPECT_FALSE(SaveFileAtomically(path, next, ".~sc"));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_FALSE(std::filesystem::exists(path + ".~tmp"));
}
