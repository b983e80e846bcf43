#include "core/ProgramFolder.h"

#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A folder that counts as the program's own files: one with data/ in it.
fs::path Holder(const fs::path& path) {
    fs::create_directories(path / "data");
    return path;
}

} // namespace

TEST(ProgramFolder, BesideTheProgramComesFirst) {
    velk::test::TempFolder t("programfolder");
    const fs::path root = t.file("");
    const fs::path bin = Holder(root / "usr" / "bin");
    Holder(root / "usr" / "share" / "velk");
    const fs::path source = Holder(root / "source");
    EXPECT_EQ(velk::FindProgramFolder(bin, source, root / "nowhere"), bin);
}

TEST(ProgramFolder, AnInstalledCopyIsFoundBesideBinWhereverThePrefixWent) {
    velk::test::TempFolder t("programfolder");
    const fs::path root = t.file("");
    const fs::path bin = root / "moved" / "bin";
    fs::create_directories(bin);
    const fs::path share = Holder(root / "moved" / "share" / "velk");
    const fs::path source = Holder(root / "source");
    const fs::path prefix = Holder(root / "prefix" / "share" / "velk");
    // Before the source tree, so that an installed program never reads a checkout's files.
    EXPECT_EQ(velk::FindProgramFolder(bin, source, prefix), share);
}

TEST(ProgramFolder, ABuildTreeReadsTheSourceTreeBeforeTheInstalledPrefix) {
    velk::test::TempFolder t("programfolder");
    const fs::path root = t.file("");
    const fs::path build = root / "build" / "src" / "cli";
    fs::create_directories(build);
    const fs::path source = Holder(root / "source");
    const fs::path prefix = Holder(root / "prefix" / "share" / "velk");
    EXPECT_EQ(velk::FindProgramFolder(build, source, prefix), source);
    // Without a source tree the prefix it was built for.
    EXPECT_EQ(velk::FindProgramFolder(build, root / "gone", prefix), prefix);
}

TEST(ProgramFolder, WithNothingFoundTheSourceTreeIsAnswered) {
    velk::test::TempFolder t("programfolder");
    const fs::path root = t.file("");
    EXPECT_EQ(velk::FindProgramFolder(root / "bin", root / "source", root / "prefix"), root / "source");
    EXPECT_EQ(velk::ProgramFolderCandidates(fs::path(), root / "source", fs::path()).size(), 1u);
}

TEST(ProgramFolder, TheRunningTestsFindTheSourceTreesTables) {
    EXPECT_TRUE(fs::is_regular_file(velk::DataFolder() / "Scores.dab"));
}

TEST(ProgramFolder, WorkFilesGoToTheDataFolderWhileItCanBeWritten) {
    velk::test::TempFolder t("workfolder");
    const fs::path data = Holder(t.file("program")) / "data";
    const fs::path user = t.file("home/.local/share/velk");
    EXPECT_EQ(velk::ChooseWorkFolder(data, user), data);
    EXPECT_FALSE(fs::exists(user));
}

TEST(ProgramFolder, WithoutAUsableDataFolderTheUsersOwnFolderIsMade) {
    velk::test::TempFolder t("workfolder");
    // A data "folder" that is a file cannot hold the work files (a read-only folder would do the
    // same for any user but root, who may write everywhere).
    const fs::path notAFolder = t.file("data");
    { std::ofstream(notAFolder) << "x"; }
    const fs::path user = t.file("home/.local/share/velk");
    EXPECT_EQ(velk::ChooseWorkFolder(notAFolder, user), user);
    EXPECT_TRUE(fs::is_directory(user));
    // Nowhere to go: the data folder is answered and the write reports its own failure.
    EXPECT_EQ(velk::ChooseWorkFolder(notAFolder, fs::path()), notAFolder);
}

TEST(ProgramFolder, TheUsersFolderFollowsTheDesktopsConvention) {
    EXPECT_EQ(velk::UserDataFolder("/x/data", "/home/an"), fs::path("/x/data/velk"));
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(velk::UserDataFolder("rel", "/home/an"), fs::path("/home/an/.local/share/velk"));
    EXPECT_EQ(velk::UserDataFolder(nullptr, "/home/an"), fs::path("/home/an/.local/share/velk"));
    EXPECT_EQ(velk::UserDataFolder(nullptr, nullptr), fs::path());
}
