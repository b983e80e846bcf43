// The slam check on a session's scores: which records are offered, with which line, and what the
// answers count.
#include "scoring/SlamCheck.h"

#include "core/files/SlamFile.h"
#include "support/ClubBuilder.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScoreListBuilder;
using velk::test::ScriptedDialogs;

namespace {

// 8 pairs in one group, 4 boards; pairs 1..4 North-South against 5..8.
struct Slams {
    Club club = MakeClub(8, 1);
    ScoreListBuilder list{1, 8, 4, 4};
    ScriptedDialogs dialogs;
    std::vector<SlamCandidate> offered;

    Slams() {
        club.SessionHead.BoardCount = 4;
        StoreSession(club, 1);
        // Group A is in the session's schedule: pair 1 meets pair 5 at its first table.
        TZitSchemaObj schedule;
        schedule.GroupCount = 1;
        schedule.RoundCount = club.SessionHead.RoundCount;
        schedule.Entries.resize(
            static_cast<std::size_t>(1 + club.SessionHead.RoundCount * club.TablesPerGroup));
        schedule.Entries[1].NS = 1;
        schedule.Entries[1].EW = 5;
        club.SessionScheduleList = {schedule};
    }
    // Runs the check; every candidate is answered with `answer` (a strain class, or Schrap).
    bool run(std::optional<int> answer) {
        club.SessionScoreList = {NewScoreBlock(1, 4, 8)};
        club.SessionScoreList[0].Records = list.scores;
        club.SessionSlamList = {NewSlamBlock(1, 8)};
        return CheckSlams(
            club, dialogs,
            [&](const SlamCandidate& c) {
                offered.push_back(c);
                return answer;
            },
            [] { return true; });
    }
    const TZitSlemObj& block() const { return club.SessionSlamList[0]; }
};

} // namespace

TEST(SlamCheck, NineNinetyIsADoubtfulSmallSlamInNoTrump) {
    Slams s;
    s.list.table(1, 1, 3, 7, 990); // board 1: nobody vulnerable
    ASSERT_TRUE(s.run(2));
    ASSERT_EQ(s.offered.size(), 1u);
    const SlamCandidate& c = s.offered[0];
    EXPECT_EQ(c.row, 3);
    EXPECT_EQ(c.hit.strainClass, 2);
    EXPECT_FALSE(c.hit.grand);
    EXPECT_TRUE(c.hit.doubtful);
    EXPECT_EQ(c.caption(), "Klein Slem");
    EXPECT_EQ(c.fontSize(), 10);
    // "Groep:A" "   Spel: 1;" "  Paar:  3, NZ;" "    Score:   990" "   " + 18 wide " Niemand Kwetsbaar".
    EXPECT_EQ(c.line(), "Groep:A   Spel: 1;  Paar:  3, NZ;    Score:   990    Niemand Kwetsbaar");
    EXPECT_EQ(c.countText(), "Sommatie van het aantal Slems :  1");
    EXPECT_EQ(s.block().SlamTotal, 1);
    EXPECT_EQ(s.block().Records[3].SlamCounts[SmallSlamNoTrump], 1);
    // The opponents' -990 is never offered and counts nothing.
    EXPECT_EQ(s.block().Records[7].SlamCounts, (std::array<std::int16_t, 6>{}));
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST(SlamCheck, GrandSlamsAndVulnerability) {
    Slams s;
    s.list.table(1, 1, 1, 5, 1440);  // not vulnerable: 7 of a minor
    s.list.table(1, 2, 2, 6, 1430);  // board 2, North-South vulnerable: 6 of a major, doubtful
    s.list.table(1, 2, 3, 7, -1430); // East-West, not vulnerable on board 2: no slam score
    s.list.table(1, 3, 4, 8, -2210); // board 3, East-West vulnerable: 7 of a major by East-West
    EXPECT_TRUE(s.run(std::nullopt));
    ASSERT_EQ(s.offered.size(), 3u);
    EXPECT_EQ(s.offered[0].row, 1);
    EXPECT_EQ(s.offered[0].caption(), "Groot Slem");
    EXPECT_EQ(s.offered[0].hit.kind(), GrandSlamMinor);
    EXPECT_EQ(s.offered[0].fontSize(), 11);
    EXPECT_EQ(s.offered[1].row, 2);
    EXPECT_EQ(s.offered[1].hit.kind(), SmallSlamMajor);
    EXPECT_TRUE(s.offered[1].hit.doubtful);
    EXPECT_EQ(s.offered[2].row, 8);
    EXPECT_TRUE(s.offered[2].eastWest);
    EXPECT_EQ(s.offered[2].hit.kind(), GrandSlamMajor);
    EXPECT_EQ(s.offered[2].line(), "Groep:A   Spel: 3;  Paar:  8, OW;    Score:  2210    OW Kwetsbaar     ");
    // Every one refused: none counted.
    EXPECT_EQ(s.block().SlamTotal, 0);
    EXPECT_EQ(s.dialogs.texts(), (std::vector<std::string>{"Geen Slem-Contracten\rin deze zitting"}));
}

TEST(SlamCheck, ConfirmedKindIsTheOneChosen) {
    Slams s;
    s.list.table(1, 1, 1, 5, 1440);
    s.list.table(1, 4, 2, 6, 1510); // board 4: both vulnerable, 1510 is no vulnerable score
    ASSERT_TRUE(s.run(1));          // the user picks "Harten / Schoppen"
    ASSERT_EQ(s.offered.size(), 1u);
    EXPECT_EQ(s.block().Records[1].SlamCounts[GrandSlamMajor], 1);
    EXPECT_EQ(s.block().Records[1].SlamCounts[GrandSlamMinor], 0);
    EXPECT_EQ(s.block().SlamTotal, 1);
    EXPECT_EQ(s.block().SessionIndex, 1);
}

TEST(SlamCheck, DoubtMarkTakesTheOtherVulnerability) {
    Slams s;
    s.list.table(1, 1, 1, 5, 1430); // not vulnerable, but marked "?": read as vulnerable
    s.list.at(1, 1, 1).Flags |= ScoreFlag::Doubtful;
    ASSERT_TRUE(s.run(1));
    ASSERT_EQ(s.offered.size(), 1u);
    EXPECT_EQ(s.offered[0].hit.kind(), SmallSlamMajor);
}

TEST(SlamCheck, ScoreBlockOfAnotherSessionStopsWithoutClearing) {
    Slams s;
    s.list.table(1, 1, 1, 5, 1440);
    s.club.SessionScoreList = {NewScoreBlock(2, 4, 8)};
    s.club.SessionSlamList = {NewSlamBlock(1, 8)};
    s.club.SessionSlamList[0].Records[1].SlamCounts[0] = 4;
    s.club.SessionSlamList[0].SlamTotal = 4;
    bool saved = false;
    EXPECT_FALSE(CheckSlams(s.club, s.dialogs, {}, [&] { return saved = true; }));
    EXPECT_FALSE(saved);
    EXPECT_EQ(s.dialogs.texts(), (std::vector<std::string>{"Scorelijst niet aanwezig"}));
    EXPECT_EQ(s.club.SessionSlamList[0].SlamTotal, 4);
    EXPECT_EQ(s.club.SessionSlamList[0].Records[1].SlamCounts[0], 4);
}

TEST(SlamCheck, FailedSaveIsSaid) {
    Slams s;
    s.club.SessionScoreList = {NewScoreBlock(1, 4, 8)};
    s.club.SessionSlamList = {NewSlamBlock(1, 8)};
    EXPECT_FALSE(CheckSlams(s.club, s.dialogs, {}, [] { return false; }));
    EXPECT_EQ(s.dialogs.texts(),
              (std::vector<std::string>{"Geen Slem-Contracten\rin deze zitting", "Slemlijst niet bewaard"}));
}

TEST(SlamScoreTable, EveryEntryIsTheDuplicateScoreOfItsSlam) {
    // From the scoring rules, not from the table: trick score, the game bonus (300 / 500), the slam
    // bonus (500 / 750 small, 1000 / 1500 grand), 50 or 100 for the insult, overtricks.
    for (int v = 0; v < 2; ++v)
        for (int strain = 0; strain < 3; ++strain)
            for (int doubling = 0; doubling < 3; ++doubling)
                for (int entry = 0; entry < 3; ++entry) {
                    const int level = entry == 2 ? 7 : 6;
                    const int perTrick = strain == 0 ? 20 : 30;
                    int tricks = perTrick * level + (strain == 2 ? 10 : 0);
                    const int factor = doubling == 0 ? 1 : doubling == 1 ? 2 : 4;
                    tricks *= factor;
                    int score = tricks + (v ? 500 : 300) + (level == 6 ? (v ? 750 : 500) : (v ? 1500 : 1000));
                    score += doubling == 1 ? 50 : doubling == 2 ? 100 : 0;
                    if (entry == 1)
                        score += doubling == 0 ? perTrick : (v ? 100 : 50) * factor;
                    const int i = strain * 9 + doubling * 3 + entry;
                    EXPECT_EQ(SlamScoreTable[static_cast<std::size_t>(v)][static_cast<std::size_t>(i)], score)
                        << v << " " << strain << " " << doubling << " " << entry;
                }
}

TEST(SlamCheck, AGroupOutsideTheScheduleIsNamedAndLeftOut) {
    Slams s;
    s.club.SlamFilePath = "/clubs/troef_1.slm";
    s.list.table(1, 1, 3, 7, 990);
    s.club.SessionScheduleList.front().Entries[1] = TSchemaObj{};
    ASSERT_TRUE(s.run(2));
    EXPECT_TRUE(s.offered.empty());
    EXPECT_EQ(s.dialogs.texts(),
              (std::vector<std::string>{"SlemNaam: troef_1.slm", "Geen Slem-Contracten\rin deze zitting"}));
    EXPECT_EQ(s.block().SlamTotal, 0);
}
