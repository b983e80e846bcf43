#include "core/SafeSave.h"

#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::TempFolder;
using velk::test::WriteBytes;

TEST(PathText, ChangeFileExtReplacesOnlyTheFileNamesExtension) {
    EXPECT_EQ(ChangeFileExt("club.dba", ".sma"), "club.sma");
    EXPECT_EQ(ChangeFileExt("/data/club.2026.dba", ".~db"), "/data/club.2026.~db");
    EXPECT_EQ(ChangeFileExt("/data.old/club", ".sco"), "/data.old/club.sco");
    EXPECT_EQ(ChangeFileExt("C:\\Bridge.nl\\club", ".slm"), "C:\\Bridge.nl\\club.slm");
    EXPECT_EQ(FileNameOf("C:\\Bridge\\club.dba"), "club.dba");
    EXPECT_EQ(FileNameOf("/a/b/"), "");
}

TEST(SafeSave, SavesNewAndReplacesExistingFiles) {
    TempFolder folder;
    const std::string path = folder.file("club.slm");
    const std::vector<std::uint8_t> first = {1, 2, 3};
    const std::vector<std::uint8_t> second = {};
    ASSERT_TRUE(SaveFileAtomically(path, first, ".~sc"));
    EXPECT_EQ(ReadBytes(path), first);
    ASSERT_TRUE(SaveFileAtomically(path, second, ".~sc"));
    EXPECT_EQ(ReadBytes(path), second);
    EXPECT_EQ(ReadBytes(folder.file("club.~sc")), first);
}

TEST(SafeSave, MissingFolderFailsWithoutLeavingAnything) {
    TempFolder folder;
    EXPECT_FALSE(SaveFileAtomically(folder.file("no/club.dba"), std::vector<std::uint8_t>{1}, ".~db"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

TEST(SafeSave, ReportNamesThePath) {
    velk::test::ScriptedDialogs dialogs;
    ReportSaveResult(dialogs, "a.dba", true);
    ReportSaveResult(dialogs, "a.dba", false);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Wegschrijven van a.dba gelukt",
                                                         "Wegschrijven van a.dba niet gelukt"}));
    EXPECT_EQ(dialogs.messages[1].kind, MessageKind::Information);
}
