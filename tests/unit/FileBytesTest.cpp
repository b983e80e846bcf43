#include "core/FileBytes.h"

#include "core/files/CompetitionFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::TempFolder;
using velk::test::WriteBytes;

TEST(FileBytes, ReadsWholeFilesAndRefusesTooLargeOnes) {
    TempFolder folder;
    const std::string path = folder.file("a.bin");
    EXPECT_EQ(ReadFileBytes(path, 10).status, FileReadStatus::Missing);
    WriteBytes(path, {1, 2, 3});
    const FileBytes file = ReadFileBytes(path, 3);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ReadFileBytes(path, 2).status, FileReadStatus::TooLarge);
    EXPECT_EQ(ReadFileBytes(folder.path().string(), 10).status, FileReadStatus::Unreadable);
}

TEST(FileBytes, PiecesAreReadWhereAskedAndOnlyWhenWhole) {
    TempFolder folder;
    const std::string path = folder.file("a.bin");
    EXPECT_FALSE(FilePieces(path, 10).ok());
    EXPECT_FALSE(FilePieces(folder.path().string(), 10).ok());
    WriteBytes(path, {1, 2, 3, 4, 5});
    EXPECT_FALSE(FilePieces(path, 4).ok());
    FilePieces file(path, 5);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.size(), 5u);
    std::uint8_t piece[3] = {};
    ASSERT_TRUE(file.read(3, piece, 2));
    EXPECT_EQ(piece[0], 4);
    EXPECT_EQ(piece[1], 5);
    ASSERT_TRUE(file.read(0, piece, 3));
    EXPECT_EQ(piece[2], 3);
    // Past the end, in part or whole, nothing is read.
    EXPECT_FALSE(file.read(4, piece, 2));
    EXPECT_FALSE(file.read(6, piece, 1));
    EXPECT_TRUE(file.read(5, piece, 0));
}

TEST(FileBytes, HugeOrUnreadableCompetitionFileIsABadConfiguration) {
    TempFolder folder;
    velk::test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    CompetitionFileData data;
    const std::string huge = folder.file("huge.dba");
    WriteBytes(huge, {});
    std::filesystem::resize_file(huge, kMaxCompetitionFileBytes + 1); // sparse, nothing allocated
    EXPECT_FALSE(ReadCompetitionFile(huge, data, dialogs, errorCode));
    EXPECT_EQ(errorCode.value(), 1);
    EXPECT_FALSE(ReadCompetitionFile(folder.path().string(), data, dialogs, errorCode));
    EXPECT_EQ(errorCode.value(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}
