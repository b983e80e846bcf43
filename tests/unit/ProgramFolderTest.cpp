#include "core/ProgramFolder.h"

#include "support/TempFolder.h"

#include <filesystem>
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
