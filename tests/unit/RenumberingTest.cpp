#include "schedules/Renumbering.h"

#include "core/files/RenumberFile.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {
std::vector<int> SwappedPairs() {
    return {2, 1, 4, 3, 6, 5, 8, 7, 10, 9};
}
} // namespace

TEST(Renumbering, TableFileForTenPairsAndThreeSessions) {
    TempFolder folder("vnm");
    ScriptedDialogs dialogs;
    const std::vector<std::vector<int>> grid = {
        SwappedPairs(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, SwappedPairs()};
    const auto list = BuildRenumberList(grid, 3, 10, dialogs);
    ASSERT_TRUE(list.has_value());
    const std::string path = folder.file("tien.vnm");
    ASSERT_TRUE(WriteRenumberFile(path, *list));
    const auto bytes = test::FileContents(path);
    ASSERT_EQ(bytes.size(), 4u * 1024u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[2], 10);
    EXPECT_EQ(bytes[1024], 2); // session 1, base pair 1 becomes 2

    ErrorCode error;
    const auto read = ReadRenumberFile(path, 6, 10, 10, dialogs, error);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, *list);
    EXPECT_TRUE(dialogs.messages.empty());

    // One byte short: nothing is read.
    auto shortBytes = bytes;
    shortBytes.pop_back();
    test::WriteContents(path, shortBytes);
    EXPECT_FALSE(ReadRenumberFile(path, 6, 10, 10, dialogs, error).has_value());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{" Schemalist niet correct \r"});
}

TEST(Renumbering, WrongHeaderIsReportedButRead) {
    TempFolder folder("vnm-head");
    ScriptedDialogs dialogs;
    auto list = BuildRenumberList({SwappedPairs()}, 1, 10, dialogs);
    ASSERT_TRUE(list.has_value());
    (*list)[1].Pairs[3] = 0;
    const std::string path = folder.file("t.vnm");
    ASSERT_TRUE(WriteRenumberFile(path, *list));
    ErrorCode error;
    const auto read = ReadRenumberFile(path, 6, 12, 12, dialogs, error);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(dialogs.texts().size(), 3u);
    EXPECT_EQ(dialogs.texts()[0], "VernummerTabel niet Correct :\rOngeldig aantal: Paren \r"
                                  "Met Aantal:Zittingen  Paren \r"
                                  "Ingevoerd:          1        10   \r"
                                  "Moetzijn :          6        12   ");
    EXPECT_EQ(dialogs.texts()[1], "Kies juiste aantal paren in Zitting menu ");
    EXPECT_EQ(dialogs.texts()[2], "Gelezen tabel foutief\rZitting: 1 Paar=0: 4");
}

TEST(Renumbering, RepeatedPairSavesNothing) {
    ScriptedDialogs dialogs;
    const std::vector<std::vector<int>> grid = {SwappedPairs(), {1, 5, 3, 4, 5, 6, 7, 8, 9, 10}};
    EXPECT_FALSE(BuildRenumberList(grid, 2, 10, dialogs).has_value());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Paar: 5 komt vaker voor"});
}

TEST(Renumbering, MakeScheduleFromSessionOne) {
    ScriptedDialogs dialogs;
    const auto list = BuildRenumberList({SwappedPairs(), SwappedPairs()}, 2, 10, dialogs);
    TZitSchemaObj source;
    source.Entries = {TSchemaObj{1, 2, 1, ' '}, TSchemaObj{1, 1, 2, 'A'}, TSchemaObj{2, 3, 0, 'B'},
                      TSchemaObj{1, 5, 6, 'B'}};
    const WorkSchedule s = RenumberSchedule(source, *list, 2, {10, 2, 2, 2}, dialogs);
    EXPECT_EQ(s.at(1, 1), (TWSObj{1, 2, 1, 'A'}));
    EXPECT_EQ(s.at(1, 2), (TWSObj{2, 4, 0, 'B'}));
    EXPECT_EQ(s.at(2, 1), (TWSObj{1, 6, 5, 'B'}));
    // Round 2, table 2 lies outside the source list.
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Schema niet correct voor Ronde 2"});
    EXPECT_EQ(s.at(2, 2), (TWSObj{2, 0, 0, ' '}));
}

TEST(Renumbering, RefusalsBeforeTheView) {
    ScriptedDialogs dialogs;
    Club club = test::MakeScheduleClub(1, 10, 5, 3, 1);
    club.CompetitionHead.SessionsPerCompetition = 1;
    EXPECT_FALSE(RenumberingPossible(club, dialogs));
    club.SessionScheduleList.resize(1);
    EXPECT_FALSE(HasBaseScheduleToRenumber(club, dialogs));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Voor één zitting geen vernummeren nogelijk",
                                                         "U heeft nog geen Basis schema gelezen"}));
    club.SessionScheduleList[0].BaseScheduleNames[0].set("5r-10p.ws0");
    EXPECT_TRUE(HasBaseScheduleToRenumber(club, dialogs));
}
