#include "core/files/DamagedFile.h"

#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "club/Sessions.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::WriteBytes;

namespace {

const FixedClock kClock(DateTime{2026, 12, 8});

// A competition of 16 pairs with one session, written with its companion files.
std::string WriteCompetition(const TempFolder& folder) {
    ScriptedDialogs dialogs;
    CompanionLists companions(dialogs);
    Club club = velk::test::MakeClub(16, 2, 8, 1);
    club.Companions = &companions;
    companions.sessionCreated(club, 1);
    club.SessionScoreList[0].Records[3].Score = 420;
    ClubFile file(club, dialogs, kClock);
    const std::string path = folder.file("club_1.dba");
    EXPECT_TRUE(file.writeTo(path, false));
    EXPECT_EQ(companions.saveUnder(club, path), 0);
    return path;
}

} // namespace

TEST(DamagedFile, CopiesAreExactAndNotRepeated) {
    TempFolder folder;
    const std::string path = folder.file("club_1.sco");
    EXPECT_EQ(SetAsideDamagedFile(path), "");
    WriteBytes(path, {1, 2, 3});
    EXPECT_EQ(SetAsideDamagedFile(path), path + ".~bad");
    EXPECT_EQ(SetAsideDamagedFile(path), path + ".~bad");
    WriteBytes(path, {4});
    EXPECT_EQ(SetAsideDamagedFile(path), path + ".~bad2");
    EXPECT_EQ(ReadBytes(path + ".~bad"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ReadBytes(path + ".~bad2"), (std::vector<std::uint8_t>{4}));
    // Whatever stands at a copy's name is left alone.
    std::filesystem::create_directory(path + ".~bad3");
    WriteBytes(path, {5});
    EXPECT_EQ(SetAsideDamagedFile(path), path + ".~bad4");
}

TEST(DamagedFile, AScoreFileWithoutACopyIsNeverWrittenOver) {
    TempFolder folder;
    const std::string path = WriteCompetition(folder);
    const std::string scores = folder.file("club_1.sco");
    auto damaged = ReadBytes(scores);
    damaged.resize(damaged.size() / 2);
    WriteBytes(scores, damaged);
    for (int n = 1; n <= 99; ++n)
        std::filesystem::create_directory(scores + (n == 1 ? ".~bad" : ".~bad" + std::to_string(n)));

    ScriptedDialogs dialogs;
    CompanionLists companions(dialogs);
    Club club;
    club.Companions = &companions;
    ClubFile file(club, dialogs, kClock);
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(dialogs.texts()[0], "Scorelijst bestaat niet zitting: 1");
    EXPECT_EQ(dialogs.texts()[1],
              "Beschadigd bestand " + scores + " kon niet apart gezet worden;\rhet wordt niet overschreven.");
    dialogs.messages.clear();
    EXPECT_EQ(companions.saveUnder(club, path), 2);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scorebestand " + scores +
                                                        " niet bewaard: het was beschadigd gelezen.\r"
                                                        "Bewaar onder een andere naam."});
    EXPECT_EQ(ReadBytes(scores), damaged);
    // Under another name everything is written.
    EXPECT_EQ(companions.saveUnder(club, folder.file("club_2.dba")), 0);
}

TEST(DamagedFile, ACompetitionFileThatLostASessionOnReadingIsPutAside) {
    TempFolder folder;
    const std::string path = WriteCompetition(folder);
    auto bytes = ReadBytes(path);
    // The session record follows the pairs and the session count; its number is its second field.
    const std::size_t session = TConfigObj::Size + SlamBonusBlock::Size + 17 * TParenObj::Size + 2 + 2;
    bytes[session] = 0;
    bytes[session + 1] = 0;
    WriteBytes(path, bytes);

    ScriptedDialogs dialogs;
    Club club;
    ClubFile file(club, dialogs, kClock);
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Zitting: 1 bestaat niet; Zitting verwijderd",
                                        "Beschadigd bestand " + path + " is ongewijzigd bewaard als:\r" +
                                            path + ".~bad"}));
    EXPECT_EQ(ReadBytes(path + ".~bad"), bytes);
}
