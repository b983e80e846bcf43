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
