// "&Importeren" and "E&xporteren": which files travel with a competition and what is said.
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

const FixedClock kClock(DateTime{2026, 12, 8, 20, 15, 0});

bool Exists(const std::string& path) {
    return std::filesystem::is_regular_file(path);
}

// A competition of 16 pairs with its schedule, score and slam lists, saved at `path`.
struct Competition {
    explicit Competition(const std::string& path, bool withCompanions = true) {
        if (withCompanions) {
            club.Companions = &lists;
            lists.sessionCreated(club, 1);
        }
        club.ClubFileName = std::filesystem::path(path).filename().string();
        EXPECT_TRUE(file.writeTo(path, false));
    }
    Club club = MakeClub(16, 2, 8, 1);
    ScriptedDialogs dialogs;
    CompanionLists lists{dialogs};
    ClubFile file{club, dialogs, kClock};
};

} // namespace

TEST(CompanionCopies, TheThreeCompanionsAndTheirNames) {
    const auto files = ClubFile::CompanionFilesOf("/club/troef_3.dba");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_STREQ(files[0].kind, "Schemabestand");
    EXPECT_EQ(files[0].path, "/club/troef_3.sma");
    EXPECT_STREQ(files[1].kind, "Scorebestand");
    EXPECT_EQ(files[1].path, "/club/troef_3.sco");
    EXPECT_STREQ(files[2].kind, "Slembestand");
    EXPECT_EQ(files[2].path, "/club/troef_3.slm");
}

TEST(CompanionCopies, ImportGoesToTheFolderUnderTheSameName) {
    EXPECT_EQ(ClubFile::ImportTarget("/media/stick/troef_2.dba", "/home/club"), "/home/club/troef_2.dba");
    EXPECT_EQ(ClubFile::ImportTarget("/media/stick/troef_2.dba", "/"), "/troef_2.dba");
}

TEST(CompanionCopies, ExportWritesTheCopyWithItsCompanionsAndKeepsTheOwnName) {
    TempFolder folder;
    Competition c(folder.file("club_1.dba"));
    c.dialogs.messages.clear();
    ASSERT_TRUE(c.file.exportTo(folder.file("copy_1.dba")));
    EXPECT_EQ(c.dialogs.texts(),
              (std::vector<std::string>{"Wegschrijven van " + folder.file("copy_1.dba") + " gelukt",
                                        "velk, Alle bestanden bewaard"}));
    EXPECT_TRUE(Exists(folder.file("copy_1.dba")));
    EXPECT_TRUE(Exists(folder.file("copy_1.sma")));
    EXPECT_TRUE(Exists(folder.file("copy_1.sco")));
    EXPECT_TRUE(Exists(folder.file("copy_1.SLM")));
    EXPECT_EQ(c.club.ClubFilePath, folder.file("club_1.dba"));
    EXPECT_EQ(c.club.ClubFileName, "club_1.dba");
    EXPECT_EQ(c.club.ScoreFilePath, folder.file("club_1.sco"));
}

TEST(CompanionCopies, ExportNamesEveryCompanionItCouldNotWrite) {
    TempFolder folder;
    Competition c(folder.file("club_1.dba"), false);
    c.dialogs.messages.clear();
    ASSERT_TRUE(c.file.exportTo(folder.file("copy_1.dba")));
    EXPECT_EQ(c.dialogs.texts(),
              (std::vector<std::string>{"Wegschrijven van " + folder.file("copy_1.dba") + " gelukt",
                                        "velk : SchemabestandNiet bewaard", "velk : ScorebestandNiet bewaard",
                                        "velk : SlembestandNiet bewaard"}));
}

TEST(CompanionCopies, ImportCopiesTheFileAndItsCompanionsIntoTheFolder) {
    TempFolder from;
    TempFolder to;
    { Competition source(from.file("troef_2.dba")); }
    Club club;
    ScriptedDialogs dialogs;
    CompanionLists lists{dialogs};
    club.Companions = &lists;
    ClubFile file(club, dialogs, kClock);
    ASSERT_TRUE(file.importFrom(from.file("troef_2.dba"), to.path().string()));
    EXPECT_EQ(dialogs.texts().back(), "Velk. Alle bestanden bewaard");
    EXPECT_TRUE(Exists(to.file("troef_2.dba")));
    EXPECT_TRUE(Exists(to.file("troef_2.sma")));
    EXPECT_TRUE(Exists(to.file("troef_2.sco")));
    EXPECT_EQ(club.ClubFilePath, to.file("troef_2.dba"));
    EXPECT_EQ(club.CompetitionHead.PairCount, 16);
}

TEST(CompanionCopies, ImportWithoutCompanionsNamesTheirPaths) {
    TempFolder from;
    TempFolder to;
    { Competition source(from.file("troef_2.dba"), false); }
    Club club;
    ScriptedDialogs dialogs;
    ClubFile file(club, dialogs, kClock);
    ASSERT_TRUE(file.importFrom(from.file("troef_2.dba"), to.path().string()));
    const auto texts = dialogs.texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"Fout bij bewaren: " + to.file("troef_2.sma"),
                                        "Fout bij bewaren: " + to.file("troef_2.sco"),
                                        "Fout bij bewaren: " + to.file("troef_2.slm")}));
}

TEST(CompanionCopies, ImportLeavesAnExistingFileWhenTheUserSaysNo) {
    TempFolder from;
    TempFolder to;
    { Competition source(from.file("troef_2.dba")); }
    velk::test::WriteBytes(to.file("troef_2.dba"), {1, 2, 3});
    Club club;
    ScriptedDialogs dialogs;
    ClubFile file(club, dialogs, kClock);
    dialogs.answerNo();
    ASSERT_TRUE(file.importFrom(from.file("troef_2.dba"), to.path().string()));
    EXPECT_EQ(dialogs.texts().back(), "Bestand bestaat al :troef_2.dba\rwilt u dit overschrijven");
    EXPECT_EQ(velk::test::ReadBytes(to.file("troef_2.dba")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(file.isLoaded());
}

TEST(CompanionCopies, AnUnreadableFileIsNotImported) {
    TempFolder from;
    TempFolder to;
    velk::test::WriteBytes(from.file("bad.dba"), std::vector<std::uint8_t>(100, 0));
    Club club;
    ScriptedDialogs dialogs;
    ClubFile file(club, dialogs, kClock);
    EXPECT_FALSE(file.importFrom(from.file("bad.dba"), to.path().string()));
    EXPECT_FALSE(Exists(to.file("bad.dba")));
}
