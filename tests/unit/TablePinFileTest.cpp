#include "terminals/TablePinFile.h"

#include "support/LoadedScoreTables.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"
#include "terminals/TableTerminals.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using test::ReadText;
using test::WriteText;
using namespace velk::terminals;

namespace {

struct PinFileFixture : ::testing::Test {
    test::TempFolder folder{"pins"};
    TablePinFile file{folder.file("club_1_pins2.txt")};
    std::vector<KeptPin> pins;
    std::string notice, problem;

    bool keep(const std::vector<std::string>& labels, bool fresh = false) {
        notice.clear();
        problem.clear();
        return file.keep(labels, fresh, pins, notice, problem);
    }
};

} // namespace

TEST(TablePinFileTest, LivesBesideTheCompetitionNamedAfterItAndTheSession) {
    EXPECT_EQ(TablePinFile::PathFor("/clubs/club2026_1.dba", 3), "/clubs/club2026_1_pins3.txt");
    EXPECT_EQ(TablePinFile::PathFor("club_1.dba", 12), "club_1_pins12.txt");
}

TEST_F(PinFileFixture, WritesAHeaderAndOneLinePerTableAndReadsThemBack) {
    const std::vector<KeptPin> kept{{"A1", "042317"}, {"A2", "000000"}, {"B10", "999999"}};
    ASSERT_TRUE(file.save(kept));
    EXPECT_EQ(ReadText(file.path()), "velk-pins 1\nA1 042317\nA2 000000\nB10 999999\n");
    // The PINs are the tables' keys: only the club's own account may read them.
    EXPECT_EQ(std::filesystem::status(file.path()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::vector<KeptPin> read;
    ASSERT_TRUE(file.read(read, problem)) << problem;
    EXPECT_EQ(read, kept);

    // A second save keeps the first as the backup.
    ASSERT_TRUE(file.save({{"A1", "111111"}}));
    EXPECT_EQ(ReadText(folder.file("club_1_pins2.~pn")), "velk-pins 1\nA1 042317\nA2 000000\nB10 999999\n");
    EXPECT_EQ(ReadText(file.path()), "velk-pins 1\nA1 111111\n");
}

TEST_F(PinFileFixture, AnythingButAWholePinFileIsRefusedWithADutchMessageAndNothingRead) {
    const std::string good = "velk-pins 1\nA1 042317\nA2 123456\n";
    ASSERT_TRUE(ParsePinFile(good));
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"empty", ""},
        {"header only", "velk-pins 1\n"},
        {"cut off in the last line", good.substr(0, good.size() - 3)},
        {"cut off before the last line break", good.substr(0, good.size() - 1)},
        {"another version", "velk-pins 2\nA1 042317\n"},
        {"no header", "A1 042317\n"},
        {"five digits", "velk-pins 1\nA1 04231\n"},
        {"seven digits", "velk-pins 1\nA1 0423170\n"},
        {"a letter in the PIN", "velk-pins 1\nA1 04231x\n"},
        {"a table twice", "velk-pins 1\nA1 042317\nA1 123456\n"},
        {"a label too long", "velk-pins 1\nABCDEFG 042317\n"},
        {"a label with a slash", "velk-pins 1\nA/1 042317\n"},
        {"no label", "velk-pins 1\n 042317\n"},
        {"two spaces", "velk-pins 1\nA1  042317\n"},
        {"a carriage return", "velk-pins 1\r\nA1 042317\r\n"},
        {"an empty line", "velk-pins 1\nA1 042317\n\n"},
        {"a NUL byte", std::string("velk-pins 1\nA1 04") + '\0' + "317\n"},
    };
    for (const auto& [what, text] : bad) {
        EXPECT_FALSE(ParsePinFile(text)) << what;
        WriteText(file.path(), text);
        std::vector<KeptPin> read{{"X1", "000000"}};
        problem.clear();
        EXPECT_FALSE(file.read(read, problem)) << what;
        EXPECT_EQ(problem, "PIN-bestand niet correct: " + file.path()) << what;
        EXPECT_TRUE(read.empty()) << what;
    }
    // Larger than any club's tables make: not read at all.
    WriteText(file.path(), "velk-pins 1\n" + std::string(70000, 'A'));
    std::vector<KeptPin> read;
    EXPECT_FALSE(file.read(read, problem));
    EXPECT_EQ(problem, "PIN-bestand niet te lezen: " + file.path());
    // A folder where the file should be.
    std::filesystem::remove(file.path());
    std::filesystem::create_directory(file.path());
    EXPECT_FALSE(file.read(read, problem));
    EXPECT_EQ(problem, "PIN-bestand niet te lezen: " + file.path());
}

TEST_F(PinFileFixture, KeptPinsAreReusedAndOnlyTablesWithoutOneGetAFreshPin) {
    // No file yet: every table a fresh PIN, and the file made.
    ASSERT_TRUE(keep({"A1", "A2"})) << problem;
    EXPECT_TRUE(notice.empty());
    ASSERT_EQ(pins.size(), 2u);
    const std::vector<KeptPin> first = pins;
    EXPECT_EQ(ReadText(file.path()), PinFileText(first));

    // Again: the same PINs, the file untouched (no backup made).
    ASSERT_TRUE(keep({"A1", "A2"}));
    EXPECT_EQ(pins, first);
    EXPECT_FALSE(std::filesystem::exists(folder.file("club_1_pins2.~pn")));

    // A table added to the schedule: the others keep theirs; a table gone is dropped.
    WriteText(file.path(), "velk-pins 1\nA1 042317\nA9 555555\n");
    ASSERT_TRUE(keep({"A1", "A2", "B1"}));
    ASSERT_EQ(pins.size(), 3u);
    EXPECT_EQ(pins[0], (KeptPin{"A1", "042317"}));
    EXPECT_EQ(pins[1].label, "A2");
    EXPECT_EQ(pins[2].label, "B1");
    // A fresh one of six digits.
    EXPECT_TRUE(ParsePinFile("velk-pins 1\nA2 " + pins[1].pin + "\n"));
    EXPECT_EQ(ReadText(file.path()), PinFileText(pins));
    EXPECT_EQ(ReadText(folder.file("club_1_pins2.~pn")), "velk-pins 1\nA1 042317\nA9 555555\n");

    // Fresh for all: with 3 tables of a million PINs each, one kept by chance is a one in 333,333
    // event, so no table keeps its PIN.
    const std::vector<KeptPin> before = pins;
    ASSERT_TRUE(keep({"A1", "A2", "B1"}, true));
    for (std::size_t i = 0; i < pins.size(); ++i) {
        EXPECT_EQ(pins[i].label, before[i].label);
        EXPECT_NE(pins[i].pin, before[i].pin);
    }
    EXPECT_EQ(ReadText(file.path()), PinFileText(pins));
}

TEST_F(PinFileFixture, AFileThatCannotBeReadIsSaidAndEveryTableGetsAFreshPinTheOldFileKeptAsBackup) {
    const std::string hostile = "velk-pins 1\nA1 042317\nA2 12345\x01\n";
    WriteText(file.path(), hostile);
    ASSERT_TRUE(keep({"A1", "A2"})) << problem;
    EXPECT_EQ(notice, "PIN-bestand niet correct: " + file.path() + "; elke tafel krijgt een nieuwe PIN");
    // Nothing half-read: not even A1's PIN, which stood whole before the damage.
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_NE(pins[0].pin, "042317");
    EXPECT_EQ(ReadText(file.path()), PinFileText(pins));
    EXPECT_EQ(ReadText(folder.file("club_1_pins2.~pn")), hostile);
}

TEST_F(PinFileFixture, PinsThatCannotBeKeptAreRefused) {
    // A folder where the file should be: it is neither read nor replaced.
    std::filesystem::create_directory(file.path());
    EXPECT_FALSE(keep({"A1"}));
    EXPECT_EQ(problem, "PIN's niet bewaard: " + file.path());
    EXPECT_TRUE(std::filesystem::is_directory(file.path()));
}

TEST_F(PinFileFixture, TheServerTablesGetTheKeptPins) {
    Club club = test::MakeTwoRoundClub();
    TableTerminals terminals{club, test::LoadedScoreTables(), folder.file("club_1_journal2.jsonl")};
    ASSERT_TRUE(terminals.ready()) << terminals.problem();
    WriteText(file.path(), "velk-pins 1\nA1 042317\nA2 000001\nA3 314159\nA4 271828\n");
    ASSERT_TRUE(file.keep(terminals, false, notice, problem)) << problem;
    ASSERT_EQ(terminals.tables().size(), 4u);
    EXPECT_EQ(terminals.tables()[0].pin, "042317");
    EXPECT_EQ(terminals.tables()[1].pin, "000001");
    EXPECT_EQ(terminals.tables()[3].pin, "271828");
    // The kept PIN opens the table; its old PIN from another evening does not.
    EXPECT_EQ(terminals.handle({"GET", "/api/v1/tables/A3", "314159", "", "10.0.0.1"}, {}).status, 200);
    EXPECT_EQ(terminals.handle({"GET", "/api/v1/tables/A3", "042317", "", "10.0.0.1"}, {}).status, 401);
}
