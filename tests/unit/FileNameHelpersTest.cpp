#include "core/FileNameHelpers.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velk;
namespace fs = std::filesystem;

TEST(FileNameHelpers, SplitPath) {
    const PathParts p = SplitPath("/home/club/Velk/Club2026.dba");
    EXPECT_EQ(p.directory, "/home/club/Velk/");
    EXPECT_EQ(p.extension, ".dba");
    EXPECT_EQ(p.fileName, "Club2026.dba");

    const PathParts w = SplitPath("C:\\Velk\\Paren.html");
    EXPECT_EQ(w.directory, "C:\\Velk\\");
    EXPECT_EQ(w.extension, ".htm");
    EXPECT_EQ(w.fileName, "Paren.html");

    const PathParts bare = SplitPath("/home/club/Velk/");
    EXPECT_EQ(bare.fileName, "N_N");
    EXPECT_EQ(bare.extension, "");
    EXPECT_EQ(SplitPath("").fileName, "N_N");
    EXPECT_EQ(SplitPath("zonder").extension, "");
    EXPECT_EQ(SplitPath("zonder").directory, "");

    // A long folder is kept whole.
    const std::string longFolder = "/" + std::string(100, 'm') + "/";
    EXPECT_EQ(SplitPath(longFolder + "a.dba").directory, longFolder);
}

TEST(FileNameHelpers, BackupFileRenamesToTheKindsExtension) {
    const fs::path dir = fs::temp_directory_path() / "velk-backup-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path club = dir / "Club.dba";
    std::ofstream(club) << "nieuw";
    std::ofstream(dir / "Club.~db") << "oud";

    ErrorCode error;
    BackupFile(club.string(), 1, error);
    EXPECT_TRUE(error.ok());
    EXPECT_FALSE(fs::exists(club));
    std::ifstream backup(dir / "Club.~db");
    std::string content;
    backup >> content;
    EXPECT_EQ(content, "nieuw");

    // Nothing to back up is no error.
    BackupFile((dir / "Club.sco").string(), 4, error);
    EXPECT_TRUE(error.ok());

    EXPECT_EQ(BackupExtension(2), ".~cf");
    EXPECT_EQ(BackupExtension(3), ".~ca");
    EXPECT_EQ(BackupExtension(4), ".~sc");
    EXPECT_EQ(BackupExtension(5), ".~sm");
    EXPECT_EQ(BackupExtension(6), "");
    fs::remove_all(dir);
}

TEST(FileNameHelpers, FailedBackupReportsErrorOne) {
    const fs::path dir = fs::temp_directory_path() / "velk-backup-fail";
    fs::remove_all(dir);
    fs::create_directories(dir / "Club.~sm" / "bezet"); // a non-empty folder cannot be replaced
    std::ofstream(dir / "Club.sma") << "schema";
    ErrorCode error;
    BackupFile((dir / "Club.sma").string(), 5, error);
    EXPECT_EQ(error.value(), 1);
    EXPECT_TRUE(fs::exists(dir / "Club.sma"));
    fs::remove_all(dir);
}
