#include "club/CompanionLists.h"

#include "club/ClubFile.h"
#include "club/Sessions.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;

TEST(CompanionLists, FollowTheSessionsAndTheFile) {
    velk::test::TempFolder folder;
    velk::test::ScriptedDialogs dialogs;
    CompanionLists companions(dialogs);
    Club club = velk::test::MakeClub(16, 2, 8, 1);
    club.Companions = &companions;
    companions.sessionCreated(club, 1);
    AppendNewSession(club);
    ASSERT_EQ(club.SessionScheduleList.size(), 2u);
    ASSERT_EQ(club.SessionScoreList.size(), 2u);
    ASSERT_EQ(club.SessionSlamList.size(), 2u);
    EXPECT_EQ(club.SessionScoreList[1].Records.size(), 16u * 24 + 1);

    // A board count changed before any score was typed: the block follows it.
    club.SessionHead.BoardCount = 27;
    StoreSession(club, 2);
    LoadSession(club, 2);
    EXPECT_EQ(club.SessionScoreList[1].Records.size(), 16u * 27 + 1);

    const FixedClock clock(DateTime{2026, 12, 8});
    ClubFile file(club, dialogs, clock);
    const std::string path = folder.file("club_1.dba");
    ASSERT_TRUE(file.writeTo(path, false));
    EXPECT_EQ(companions.saveUnder(club, path), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.file("club_1.sma")));

    Club reopened;
    reopened.Companions = &companions;
    ClubFile reader(reopened, dialogs, clock);
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reopened.SessionScheduleList.size(), 2u);
    ASSERT_EQ(reopened.SessionScoreList.size(), 2u);
    EXPECT_EQ(reopened.SessionScoreList[1].Records.size(), 16u * 27 + 1);

    LoadSession(reopened, 2);
    ASSERT_TRUE(DeleteLastSession(reopened, dialogs));
    EXPECT_EQ(reopened.SessionScheduleList.size(), 1u);
    EXPECT_EQ(reopened.SessionScoreList.size(), 1u);
    EXPECT_EQ(reopened.SessionSlamList.size(), 1u);
    reader.resetToEmpty();
    EXPECT_TRUE(reopened.SessionScoreList.empty());
}

// Changing the rounds of a session before a schedule was read gives its schedule the new size, so
// a base schedule of that many rounds can be read into it; a read schedule is never dropped.
TEST(CompanionLists, BlankScheduleFollowsTheRoundsOfItsSession) {
    velk::test::ScriptedDialogs dialogs;
    CompanionLists companions(dialogs);
    Club club = velk::test::MakeClub(16, 2, 8, 1);
    club.Companions = &companions;
    companions.sessionCreated(club, 1);
    AppendNewSession(club);
    const int before = club.SessionScheduleList[1].RoundCount;
    const int wanted = before == 5 ? 6 : 5;

    club.SessionHead.RoundCount = static_cast<std::int16_t>(wanted);
    StoreSession(club, 2);
    ASSERT_EQ(club.SessionScheduleList[1].RoundCount, wanted);
    EXPECT_EQ(club.SessionScheduleList[1].Entries.size(), 1u + 8u * static_cast<std::size_t>(wanted));

    club.SessionScheduleList[1].Entries[1].NS = 3;
    club.SessionHead.RoundCount = static_cast<std::int16_t>(before);
    StoreSession(club, 2);
    EXPECT_EQ(club.SessionScheduleList[1].RoundCount, wanted);
    EXPECT_EQ(club.SessionScheduleList[1].Entries[1].NS, 3);
}
