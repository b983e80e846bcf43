#include "scoring/SessionResults.h"

#include "core/BuildPaths.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/ScoreCode.h"
#include "support/ClubBuilder.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScoreListBuilder;
using velk::test::ScriptedDialogs;

namespace {

// A competition of `groups` groups of `perGroup` pairs whose current session has `boards` boards
// and `rounds` rounds, with a score list to match.
struct Session {
    Club club;
    ScoreListBuilder list;
    Session(int groups, int perGroup, int boards, int rounds)
        : club(MakeClub(groups * perGroup, groups)), list(groups, perGroup, boards, rounds) {
        club.SessionHead.BoardCount = static_cast<std::int16_t>(boards);
        club.SessionHead.RoundCount = static_cast<std::int16_t>(rounds);
        StoreSession(club, 1);
    }
    MatchPointCalculation calc(Dialogs& dialogs, const ScoreTables& tables) {
        return MatchPointCalculation(MatchPointSettings::Of(club), list.scores, tables, dialogs);
    }
    TCalcObj& row(int n) { return club.SessionList[0].Rows[static_cast<std::size_t>(n)]; }
};

CopyMatchPointsOptions NoQuestion() {
    CopyMatchPointsOptions options;
    options.askFirst = false;
    return options;
}

} // namespace

TEST(SessionResults, FullSessionMatchesPlainArithmetic) {
    // 8 pairs, 4 tables, 3 boards, pairs 1..4 North-South; scores from a fixed seed.
    Session s(1, 8, 3, 3);
    std::mt19937 random(7);
    int ns[3][4];
    for (int b = 1; b <= 3; ++b)
        for (int t = 1; t <= 4; ++t) {
            ns[b - 1][t - 1] = 10 * static_cast<int>(random() % 8) * 10 - 200;
            s.list.table(1, b, t, t + 4, ns[b - 1][t - 1]);
        }
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto calc = s.calc(dialogs, tables);
    ASSERT_TRUE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 1, NoQuestion()));
    EXPECT_TRUE(dialogs.messages.empty());

    // Independently: 2 for each lower score on the same side, 1 for each equal one; top 6.
    double total[9] = {};
    for (int b = 0; b < 3; ++b)
        for (int t = 0; t < 4; ++t)
            for (int o = 0; o < 4; ++o) {
                if (o == t)
                    continue;
                const int a = ns[b][t], c = ns[b][o];
                total[t + 1] += a > c ? 2 : a == c ? 1 : 0;
                total[t + 5] += -a > -c ? 2 : a == c ? 1 : 0;
            }
    for (int p = 1; p <= 8; ++p) {
        EXPECT_FLOAT_EQ(s.row(p).Points, static_cast<float>(total[p])) << p;
        EXPECT_FLOAT_EQ(s.row(p).Percentage, static_cast<float>(total[p] * 100.0 / 6 / 3)) << p;
        EXPECT_EQ(s.row(p).BoardsPlayed, 3);
        EXPECT_EQ(s.row(p).Status, 1);
        int rank = 1;
        for (int q = 1; q <= 8; ++q)
            rank += total[q] > total[p];
        EXPECT_EQ(s.row(p).SessionRank, rank) << p;
        EXPECT_EQ(s.row(p).CompetitionRank, rank) << p;
        EXPECT_EQ(s.club.PairList[static_cast<std::size_t>(p)].Rang, rank);
        EXPECT_FLOAT_EQ(s.row(p).CompetitionTotal, s.row(p).Percentage);
    }
}

TEST(SessionResults, SubstituteCaps) {
    Session s(1, 4, 2, 3);
    s.club.CompetitionHead.MaxPctOneSub = 55.0;
    s.club.CompetitionHead.MaxPctTwoSubs = 45.0;
    for (int p = 1; p <= 4; ++p) {
        s.row(p).BoardsPlayed = 2;
        s.row(p).Points = 2.48f; // 62 % of 2 x top 2
    }
    s.row(2).Substitutes = 1;
    s.row(3).Substitutes = 2;
    s.row(4).Substitutes = -1;
    const ScoreTables tables;
    EXPECT_NEAR(ComputePercentages(s.club, tables, 1), 9.92, 1e-5);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 62.0f);
    EXPECT_FLOAT_EQ(s.row(2).Percentage, 55.0f);
    EXPECT_FLOAT_EQ(s.row(3).Percentage, 45.0f);
    EXPECT_FLOAT_EQ(s.row(4).Percentage, 62.0f);
}

TEST(SessionResults, ButlerCapsArePerBoardPlayed) {
    Session s(1, 4, 10, 3);
    s.club.CompetitionHead.ScoringMode = ModeButler;
    s.club.CompetitionHead.MaxPctOneSub = 55.0; // +1.5 IMPs a board in ArbScors.dab
    ScriptedDialogs dialogs;
    ErrorCode error;
    const ScoreTables tables =
        LoadScoreTables(std::filesystem::path(VELK_SOURCE_DIR) / "data", dialogs, error, false);
    s.row(1).Points = 30.0f;
    s.row(1).BoardsPlayed = 10;
    s.row(1).Substitutes = 1;
    s.row(2).Points = -12.5f;
    s.row(2).BoardsPlayed = 10;
    ComputePercentages(s.club, tables, 1);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 15.0f);
    EXPECT_FLOAT_EQ(s.row(2).Percentage, -12.5f);
}

TEST(SessionResults, TopLoweredOnlyForPairsThatDidNotPlay) {
    Session s(1, 4, 2, 3);
    for (int p = 1; p <= 4; ++p)
        s.row(p).BoardsPlayed = 2;
    s.row(1).Points = 4.0f;
    s.row(2).Points = 0.0f; // played and scored nothing: a result
    const ScoreTables tables;
    ComputePercentages(s.club, tables, 1);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 100.0f);
    s.row(3).Status = PairStatus::SitOutWithout;
    ComputePercentages(s.club, tables, 1);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 0.0f); // top 0: no percentage
    // Points typed without boards: the session's boards are the divisor.
    s.row(3).Status = 1;
    s.row(1).BoardsPlayed = 0;
    ComputePercentages(s.club, tables, 1);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 100.0f);
}

TEST(SessionResults, RanksWithTwoLinesAndLaterSessions) {
    Club club = MakeClub(6, 1, 3, 2);
    const float pct[2][7] = {{0, 60, 40, 55, 45, 50, 50}, {0, 40, 60, 50, 50, 45, 55}};
    for (int z = 0; z < 2; ++z)
        for (int p = 1; p <= 6; ++p)
            club.SessionList[static_cast<std::size_t>(z)].Rows[static_cast<std::size_t>(p)].Percentage =
                pct[z][p];
    club.SessionList[0].Rows[4].Correction = 10.0f; // 55 in session 1
    LoadSession(club, 1);
    club.SessionHead.TwoLines = 1;
    StoreSession(club, 1);
    ComputeRanks(club, 1, 1);
    const auto& first = club.SessionList[0].Rows;
    // Odd rows 1, 3, 5 and even rows 2, 4, 6 are ranked apart.
    EXPECT_EQ(first[1].SessionRank, 1);
    EXPECT_EQ(first[3].SessionRank, 2);
    EXPECT_EQ(first[5].SessionRank, 3);
    EXPECT_EQ(first[4].SessionRank, 1);
    EXPECT_EQ(first[6].SessionRank, 2);
    EXPECT_EQ(first[2].SessionRank, 3);
    // The later session is recomputed: its totals add up both sessions, in one line.
    const auto& second = club.SessionList[1].Rows;
    EXPECT_FLOAT_EQ(second[4].CompetitionTotal, 105.0f);
    EXPECT_FLOAT_EQ(second[1].CompetitionTotal, 100.0f);
    EXPECT_FLOAT_EQ(second[2].CompetitionTotal, 100.0f);
    EXPECT_EQ(second[4].CompetitionRank, 1);
    EXPECT_EQ(second[3].CompetitionRank, 1); // ties share the rank
    EXPECT_EQ(second[1].CompetitionRank, 4);
    EXPECT_EQ(second[2].CompetitionRank, 4);
    EXPECT_EQ(second[5].CompetitionRank, 6);
    EXPECT_EQ(club.PairList[4].Rang, 1);
}

TEST(SessionResults, TopIntegralAcrossGroups) {
    Session s(2, 4, 1, 3);
    s.club.CompetitionHead.CalcMethod = CalcTopIntegral;
    s.list.table(1, 1, 1, 3, 420);
    s.list.table(1, 1, 2, 4, 400);
    s.list.table(2, 1, 1, 3, 450);
    s.list.table(2, 1, 2, 4, -50);
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto calc = s.calc(dialogs, tables);
    ASSERT_TRUE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 2, NoQuestion()));
    // Top 6 over the eight pairs; group B's 450 is best of all.
    EXPECT_FLOAT_EQ(s.row(5).Points, 6.0f);
    EXPECT_FLOAT_EQ(s.row(5).Percentage, 100.0f);
    EXPECT_FLOAT_EQ(s.row(1).Percentage, 4.0f * 100 / 6);
    EXPECT_EQ(s.row(5).SessionRank, 1);
    EXPECT_EQ(s.row(8).SessionRank, 1); // East-West against -50
    EXPECT_EQ(s.row(1).SessionRank, 3);
    EXPECT_EQ(s.row(6).SessionRank, 7);
}

TEST(SessionResults, SitOutPairGetsTheArbitralScore) {
    // 6 pairs in 3 rounds, pair 6 absent: its opponents 3 (board 1), 4 (board 2), 5 (board 3).
    Session s(1, 6, 3, 3);
    const int ns[3][3] = {{1, 2, 0}, {1, 3, 0}, {2, 4, 0}};
    const int ew[3][3] = {{4, 5, 0}, {2, 5, 0}, {1, 3, 0}};
    for (int b = 1; b <= 3; ++b)
        for (int t = 0; t < 2; ++t)
            s.list.table(1, b, ns[b - 1][t], ew[b - 1][t], t == 0 ? 420 : 400);
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto calc = s.calc(dialogs, tables);
    dialogs.answerYes();
    ASSERT_TRUE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 1, NoQuestion()));
    EXPECT_EQ(dialogs.texts().front(),
              "Zittafel gedetecteerd voor paar: 6\rArbitrale score toekennen? (zie Help)");
    EXPECT_EQ(s.list.at(1, 1, 3).Code, ScoreCode::ZeroPercentage);
    EXPECT_EQ(s.list.at(1, 2, 4).Code, ScoreCode::ZeroPercentage);
    EXPECT_EQ(s.list.at(1, 3, 5).Code, ScoreCode::ZeroPercentage);
    EXPECT_NE(s.list.at(1, 1, 3).Flags & ScoreFlag::Given, 0);
    // The scores typed keep their flags.
    EXPECT_EQ(s.list.at(1, 1, 1).Flags & ScoreFlag::Given, 0);
    EXPECT_EQ(s.row(6).Status, PairStatus::SitOutArbitral);
    EXPECT_EQ(s.row(3).Status, PairStatus::Incomplete);
    EXPECT_EQ(s.row(3).BoardsPlayed, 2);
    EXPECT_EQ(s.row(1).BoardsPlayed, 3);

    // Refused: the records go back to no code and the sit-out pair is -3.
    ScriptedDialogs again;
    auto calc2 = s.calc(again, tables);
    again.answerNo();
    ASSERT_TRUE(CopyMatchPoints(s.club, calc2, tables, again, 1, 1, NoQuestion()));
    EXPECT_EQ(s.list.at(1, 1, 3).Code, ScoreCode::None);
    EXPECT_EQ(s.list.at(1, 1, 3).Flags & ScoreFlag::Given, 0);
    EXPECT_EQ(s.row(6).Status, PairStatus::SitOutWithout);
}

TEST(SessionResults, ScheduleNamesTheSitOutOpponentWhereTheScoresCannot) {
    // 6 pairs, 3 rounds of one board, pair 6 absent. Round r plays board r at every table:
    // round 1 1v2 4v5 3v6, round 2 4v6 1v5 2v3, round 3 5v6 1v3 2v4. Table 4v5 did not play
    // board 1, so on it pairs 3, 4 and 5 all lack a record and only the schedule tells that pair 3
    // met the absent pair.
    Session s(1, 6, 3, 3);
    Club& club = s.club;
    club.CurrentSession = 1;
    club.SessionHead.BoardsPerRound = 1;
    club.SessionHead.BoardGroupCount = 3;
    ASSERT_EQ(club.TablesPerGroup, 3);
    const int tables[3][3][2] = {
        {{1, 2}, {4, 5}, {3, 6}}, {{4, 6}, {1, 5}, {2, 3}}, {{5, 6}, {1, 3}, {2, 4}}};
    TZitSchemaObj schedule;
    schedule.GroupCount = 1;
    schedule.RoundCount = 3;
    schedule.Entries.resize(1 + 3 * 3);
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 3; ++t) {
            TSchemaObj& e = schedule.Entries[static_cast<std::size_t>((r - 1) * 3 + t)];
            e.Table = static_cast<std::int16_t>(t);
            e.NS = static_cast<std::int16_t>(tables[r - 1][t - 1][0]);
            e.EW = static_cast<std::int16_t>(tables[r - 1][t - 1][1]);
            e.Letter = static_cast<std::uint8_t>('A' + r - 1);
        }
    club.SessionScheduleList = {schedule};
    ASSERT_EQ(OpponentRow(club, 1, 1, 3), 6);
    s.list.table(1, 1, 1, 2, 420);
    s.list.table(1, 2, 1, 5, 420);
    s.list.table(1, 2, 2, 3, 400);
    s.list.table(1, 3, 1, 3, 420);
    s.list.table(1, 3, 2, 4, 400);
    const std::vector<TScoreObj> scores = s.list.scores;
    const ScoreTables tables3;

    // From the scores alone board 1 is ambiguous: all three get the unplayed code.
    ScriptedDialogs inferred;
    auto calc = s.calc(inferred, tables3);
    inferred.answerYes();
    ASSERT_TRUE(CopyMatchPoints(club, calc, tables3, inferred, 1, 1, NoQuestion()));
    EXPECT_EQ(inferred.texts().front(),
              "Zittafel gedetecteerd voor paar: 6\rArbitrale score toekennen? (zie Help)");
    EXPECT_EQ(s.list.at(1, 1, 3).Code, ScoreCode::Absent);
    EXPECT_EQ(s.list.at(1, 2, 4).Code, ScoreCode::ZeroPercentage);

    s.list.scores = scores;
    ScriptedDialogs scheduled;
    auto calc2 = s.calc(scheduled, tables3);
    scheduled.answerYes();
    CopyMatchPointsOptions options = NoQuestion();
    options.opponents = ScheduleOpponents(club);
    ASSERT_TRUE(CopyMatchPoints(club, calc2, tables3, scheduled, 1, 1, options));
    EXPECT_EQ(s.list.at(1, 1, 3).Code, ScoreCode::ZeroPercentage);
    EXPECT_EQ(s.list.at(1, 1, 4).Code, ScoreCode::Absent);
    EXPECT_EQ(s.list.at(1, 1, 5).Code, ScoreCode::Absent);
    // The unplayed table's records count for their own sides: 4 North-South, 5 East-West; both
    // are marked as given, not typed.
    EXPECT_EQ(s.list.at(1, 1, 4).Flags, ScoreFlag::Given);
    EXPECT_EQ(s.list.at(1, 1, 5).Flags, ScoreFlag::EastWest | ScoreFlag::Given);
    EXPECT_NE(s.list.at(1, 1, 3).Flags & ScoreFlag::Given, 0);
    EXPECT_EQ(s.list.at(1, 1, 5).Direction, 1);
    EXPECT_EQ(s.list.at(1, 2, 4).Code, ScoreCode::ZeroPercentage);
    EXPECT_EQ(s.list.at(1, 3, 5).Code, ScoreCode::ZeroPercentage);
    EXPECT_EQ(s.row(6).Status, PairStatus::SitOutArbitral);
    EXPECT_EQ(s.row(3).BoardsPlayed, 2);

    // A group whose schedule is blank falls back on the scores.
    for (auto& e : club.SessionScheduleList.front().Entries)
        e.NS = e.EW = 0;
    EXPECT_EQ(ScheduleOpponents(club)(1, 1, 3).row, kOpponentUnknown);
}

TEST(CopyMatchPoints, RefusalsAndQuestions) {
    Session s(1, 4, 2, 3);
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    std::vector<TScoreObj> none;
    MatchPointCalculation empty(MatchPointSettings::Of(s.club), none, tables, dialogs);
    EXPECT_FALSE(CopyMatchPoints(s.club, empty, tables, dialogs, 1, 1));
    EXPECT_EQ(dialogs.texts().back(), "Er zijn geen MatchPoints berekend");

    auto calc = s.calc(dialogs, tables);
    std::swap(s.club.PairList[1], s.club.PairList[2]);
    EXPECT_FALSE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 1));
    EXPECT_EQ(dialogs.texts().back(),
              "Kopieren van Matchpointen alleen voor standaard sortering (Op GroepNr, per Groep)");
    std::swap(s.club.PairList[1], s.club.PairList[2]);

    dialogs.answerNo();
    EXPECT_FALSE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 1));
    EXPECT_EQ(dialogs.texts().back(),
              "Weet U zeker dat u MatchPunten wilt kopieren en procenten berekenen ?");

    // Nothing played: the group is not copied and nothing is saved. With Neuberg on each unplayed
    // board is offered an arbitral score first.
    dialogs.answerYes();
    dialogs.answerNo();
    dialogs.answerNo();
    int saves = 0;
    CopyMatchPointsOptions options;
    options.save = [&](const std::vector<int>&) { return ++saves > 0; };
    EXPECT_FALSE(CopyMatchPoints(s.club, calc, tables, dialogs, 1, 1, options));
    EXPECT_EQ(dialogs.texts().back(), "Geen spel gespeeld in deze groep, Kopie wordt gestopt");
    EXPECT_EQ(saves, 0);
}

TEST(CopyGroupScores, CopiesEveryBoardOfTheActivePairs) {
    Session s(2, 4, 2, 3);
    s.list.table(1, 1, 1, 3, 420);
    s.list.table(1, 2, 2, 4, -50);
    s.list.table(2, 1, 1, 3, 100);
    ScriptedDialogs dialogs;
    dialogs.answerYes();
    ASSERT_TRUE(CopyGroupScores(s.club, s.list.scores, dialogs, 1, 2));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Wilt u MatchPunten kopieren van groep A naar B"});
    EXPECT_EQ(CopiedGroupScoresText(1, 2, true),
              "Scores van groep A\rgekopieeerd naar B\ren opgeslagen in de scorelijst");
    EXPECT_EQ(CopiedGroupScoresText(1, 3, false),
              "Scores van groep A\rgekopieeerd naar C\rmaar NIET opgeslagen; bewaar opnieuw");
    EXPECT_EQ(s.list.at(2, 1, 1).Score, 420);
    EXPECT_EQ(s.list.at(2, 2, 4).Score, 50);
    dialogs.answerNo();
    EXPECT_FALSE(CopyGroupScores(s.club, s.list.scores, dialogs, 2, 1));
    EXPECT_FALSE(CopyGroupScores(s.club, s.list.scores, dialogs, 1, 3));
}

TEST(CopyMatchPoints, ARangeOfNoGroupsComputesAndSavesNothing) {
    Session s(2, 4, 2, 3);
    s.list.table(1, 1, 1, 3, 420);
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto calc = s.calc(dialogs, tables);
    int saves = 0;
    CopyMatchPointsOptions options;
    options.save = [&](const std::vector<int>&) { return ++saves > 0; };
    EXPECT_FALSE(CopyMatchPoints(s.club, calc, tables, dialogs, 2, 1, options));
    EXPECT_FALSE(CopyMatchPoints(s.club, calc, tables, dialogs, 3, 5, options));
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}
