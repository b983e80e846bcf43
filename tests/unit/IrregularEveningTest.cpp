// Evenings that are not regular: a sit-out every round, a board a table missed, the IMP forms and
// "Topintegraal" with Neuberg. The worked examples of the README's scoring rules.
#include "core/records/ConfigRecord.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreCode.h"
#include "scoring/SessionResults.h"
#include "support/ClubBuilder.h"
#include "support/LoadedScoreTables.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace velk;
using velk::test::ScoreListBuilder;
using velk::test::ScriptedDialogs;

namespace {

// A competition whose current session has `boards` boards and `rounds` rounds, with the score
// list the calculation works on.
struct Evening {
    Club club;
    ScoreListBuilder list;
    Evening(int groups, int perGroup, int boards, int rounds)
        : club(test::MakeClub(groups * perGroup, groups)), list(groups, perGroup, boards, rounds) {
        club.SessionHead.BoardCount = static_cast<std::int16_t>(boards);
        club.SessionHead.RoundCount = static_cast<std::int16_t>(rounds);
        StoreSession(club, 1);
    }
    void settings(int mode, int neuberg, bool topIntegral) {
        club.CompetitionHead.ScoringMode = static_cast<std::uint16_t>(mode);
        club.CompetitionHead.NeubergMode = static_cast<std::uint16_t>(neuberg);
        club.CompetitionHead.CalcMethod = topIntegral ? CalcTopIntegral : CalcEachGroup;
        list.settings = MatchPointSettings::Of(club);
    }
    const TCalcObj& row(int group, int k) const {
        return club.SessionList[0].Rows[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + k)];
    }
};

// A 6-pair Howell of 5 rounds, one board a round, with pair 6 absent: each round one pair sits
// out. Round r: 6 against r, and the two other tables by the circle (lower number North-South).
BoardOpponent CircleSeat(int board, int row) {
    const int r = board - 1;
    const auto other = [&](int k) { return std::pair{(r + k) % 5 + 1, (r + 5 - k) % 5 + 1}; };
    if (row == 6 || row == r % 5 + 1)
        return {row == 6 ? r % 5 + 1 : 6, row == 6};
    for (const int k : {1, 2}) {
        const auto [a, b] = other(k);
        if (row == a || row == b)
            return {row == a ? b : a, row == std::max(a, b)};
    }
    return {};
}

// Board b's two tables: the one with the lower North-South number scores 420, the other 400.
void FillSitOutEvening(Evening& e) {
    for (int b = 1; b <= 5; ++b) {
        std::vector<std::pair<int, int>> tables;
        for (int k = 1; k <= 5; ++k)
            if (const BoardOpponent seat = CircleSeat(b, k); seat.row != 6 && !seat.eastWest)
                tables.emplace_back(k, seat.row);
        std::sort(tables.begin(), tables.end());
        ASSERT_EQ(tables.size(), 2u);
        e.list.table(1, b, tables[0].first, tables[0].second, 420);
        e.list.table(1, b, tables[1].first, tables[1].second, 400);
    }
}

CopyMatchPointsOptions Seated(const OpponentLookup& seats) {
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = seats;
    return options;
}

} // namespace

TEST(SitOut, PercentagesAreOfTheTopsOfTheBoardsPlayedWhateverTheAnswer) {
    // Worked example: the boards are played at two tables, top 2. Pair 1 wins all four boards it
    // plays: 8 of 8, 100 %; pairs 2 and 3 have 2 of 8, 25 %; 4 and 5 have 4 of 8, 50 %. Dividing
    // by the full top of 4 halved every percentage when the arbitral score was granted.
    const OpponentLookup seats = [](int, int board, int row) { return CircleSeat(board, row); };
    // With Neuberg on nothing is missing on a side of two results: they keep 2.0 and 0.0.
    for (const int neuberg : {NeubergOff, NeubergOneDecimal})
        for (const bool topIntegral : {false, true})
            for (const bool granted : {true, false}) {
                if (topIntegral && !granted)
                    continue; // "Topintegraal" grants it without asking
                Evening e(1, 6, 5, 5);
                e.settings(ModePairs, neuberg, topIntegral);
                FillSitOutEvening(e);
                ScriptedDialogs dialogs;
                if (!topIntegral)
                    granted ? dialogs.answerYes() : dialogs.answerNo();
                MatchPointCalculation calc(e.list.settings, e.list.scores, ScoreTables{}, dialogs);
                ASSERT_TRUE(CopyMatchPoints(e.club, calc, ScoreTables{}, dialogs, 1, 1, Seated(seats)));
                EXPECT_EQ(dialogs.texts()[0], topIntegral
                                                  ? "Zittafel gedetecteerd voor paar: 6\rAan paar wordt "
                                                    "arbitrale score toegekend!"
                                                  : "Zittafel gedetecteerd voor paar: 6\rArbitrale score "
                                                    "toekennen? (zie Help)");
                const float points[] = {8, 2, 2, 4, 4};
                const float percentages[] = {100, 25, 25, 50, 50};
                for (int k = 1; k <= 5; ++k) {
                    EXPECT_FLOAT_EQ(e.row(1, k).Points, points[k - 1]) << k;
                    EXPECT_FLOAT_EQ(e.row(1, k).Percentage, percentages[k - 1]) << k << " " << granted;
                    EXPECT_EQ(e.row(1, k).BoardsPlayed, 4);
                }
                // The absent pair has no result, and its status says whether the score was granted.
                EXPECT_FLOAT_EQ(e.row(1, 6).Percentage, 0);
                EXPECT_EQ(e.row(1, 6).Status,
                          granted ? PairStatus::SitOutArbitral : PairStatus::SitOutWithout);
                // Pair 1 sat out board 1: 'S' with the score, nothing without it.
                EXPECT_EQ(e.list.at(1, 1, 1).Code, granted ? ScoreCode::ZeroPercentage : ScoreCode::None);
            }
}

TEST(SitOut, TheFieldAveragesFiftyPercentOnRandomScores) {
    const OpponentLookup seats = [](int, int board, int row) { return CircleSeat(board, row); };
    std::mt19937 random(25);
    for (int n = 0; n < 50; ++n) {
        Evening e(1, 6, 5, 5);
        e.settings(ModePairs, NeubergOff, n % 2 == 1);
        for (int b = 1; b <= 5; ++b)
            for (int k = 1; k <= 5; ++k)
                if (const BoardOpponent seat = CircleSeat(b, k); seat.row != 6 && !seat.eastWest)
                    e.list.table(1, b, k, seat.row, 10 * static_cast<int>(random() % 7));
        ScriptedDialogs dialogs;
        if (n % 2 == 0)
            dialogs.answer(n % 4 == 0 ? Result::Yes : Result::No);
        MatchPointCalculation calc(e.list.settings, e.list.scores, ScoreTables{}, dialogs);
        ASSERT_TRUE(CopyMatchPoints(e.club, calc, ScoreTables{}, dialogs, 1, 1, Seated(seats)));
        double sum = 0;
        for (int k = 1; k <= 5; ++k)
            sum += e.row(1, k).Percentage;
        EXPECT_NEAR(sum / 5, 50.0, 1e-4) << n;
    }
}

namespace {

// Two groups of four pairs scored "Topintegraal" with Neuberg: one field of eight, top 6. Board 1
// is played at both tables of group A but only at table 1 of group B (2 v 4 missing it); boards 2
// and 3 at every table. Pairs 1 and 2 sit North-South against 3 and 4.
struct SplitField {
    Evening e{2, 4, 3, 3};
    SplitField() {
        e.settings(ModePairs, NeubergOneDecimal, true);
        const int board1[] = {420, 400, 170};
        e.list.table(1, 1, 1, 3, board1[0]);
        e.list.table(1, 1, 2, 4, board1[1]);
        e.list.table(2, 1, 1, 3, board1[2]);
        for (int b = 2; b <= 3; ++b)
            for (int g = 1; g <= 2; ++g) {
                e.list.table(g, b, 1, 3, 100 * g + b);
                e.list.table(g, b, 2, 4, 50 * g - b);
            }
    }
    int mp(const MatchPointCalculation& calc, int group, int board, int row) const {
        return calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(group, board, row))]
            .MatchPoints;
    }
};

} // namespace

TEST(TopIntegral, OneTopPerBoardWhicheverGroupIsComputedFirst) {
    // Worked example: three North-South results among the four of a full side, 420, 400 and
    // 170, are factored up by Neuberg, (r + 1) x 4 / 3 - 1 with r = 4, 2, 0: 5.7, 3.0 and 0.3 of
    // 6, the same in both groups whatever the order, and the side adds up to 9.0 plus what the
    // missing table gets (3.0 each with "Ja", nothing with "Nee").
    for (const bool arbitral : {true, false})
        for (const bool bFirst : {false, true}) {
            SplitField f;
            ScriptedDialogs dialogs;
            arbitral ? dialogs.answerYes() : dialogs.answerNo();
            MatchPointCalculation calc(f.e.list.settings, f.e.list.scores, ScoreTables{}, dialogs);
            for (const int g : bFirst ? std::vector{2, 1} : std::vector{1, 2}) {
                ASSERT_TRUE(ComputeGroupBoards(calc, g, dialogs, {}));
                EXPECT_EQ(calc.boardTop(1, g), 6);
            }
            EXPECT_EQ(f.mp(calc, 1, 1, 1), 57) << arbitral << bFirst;
            EXPECT_EQ(f.mp(calc, 1, 1, 2), 30);
            EXPECT_EQ(f.mp(calc, 2, 1, 1), 3);
            EXPECT_EQ(f.mp(calc, 1, 1, 3), 3);
            EXPECT_EQ(f.mp(calc, 2, 1, 3), 57);
            const int missing = arbitral ? 30 : 0;
            EXPECT_EQ(f.mp(calc, 2, 1, 2), missing);
            EXPECT_EQ(f.mp(calc, 2, 1, 4), missing);
            EXPECT_EQ(f.mp(calc, 1, 1, 1) + f.mp(calc, 1, 1, 2) + f.mp(calc, 2, 1, 1) + f.mp(calc, 2, 1, 2),
                      90 + missing);
        }
}

TEST(TopIntegral, TheScoreWindowShowsWhatTheCopyStores) {
    // "Reken" on board 1 before the group of the missing table was ever copied.
    SplitField f;
    ScriptedDialogs dialogs;
    MatchPointCalculation calc(f.e.list.settings, f.e.list.scores, ScoreTables{}, dialogs);
    calc.ComputeBoards(1, 1, 1, MatchPointCalculation::Target::DisplayOnly);
    EXPECT_EQ(calc.Display()[1][0], 57);
    EXPECT_EQ(calc.Display()[2][0], 30);
}

TEST(ImpForms, ABoardAPairCouldNotPlayIsWorthNothingToIt) {
    // Board 1 missed by table 2 v 4 of four pairs; boards 2 and 3 played at both tables. 'O'
    // used to take the 0 % value of the arbitral table, -15 IMPs.
    for (const int mode : {ModeButler, ModeCrossImp})
        for (const bool arbitral : {true, false}) {
            Evening e(1, 4, 3, 3);
            e.settings(mode, NeubergOneDecimal, false);
            e.list.table(1, 1, 1, 3, 420);
            for (int b = 2; b <= 3; ++b) {
                e.list.table(1, b, 1, 3, 400 + 20 * b);
                e.list.table(1, b, 2, 4, -100 * b);
            }
            ScriptedDialogs dialogs;
            arbitral ? dialogs.answerYes() : dialogs.answerNo();
            MatchPointCalculation calc(e.list.settings, e.list.scores, test::LoadedScoreTables(), dialogs);
            const OpponentLookup seats = [](int, int, int row) {
                return BoardOpponent{row <= 2 ? row + 2 : row - 2, row > 2};
            };
            ASSERT_TRUE(
                CopyMatchPoints(e.club, calc, test::LoadedScoreTables(), dialogs, 1, 1, Seated(seats)));
            const auto mp = [&](int b, int k) {
                return calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(1, b, k))]
                    .MatchPoints;
            };
            EXPECT_EQ(mp(1, 2), 0) << mode << arbitral;
            EXPECT_EQ(mp(1, 4), 0);
            // Their totals are those of the boards they played.
            EXPECT_FLOAT_EQ(e.row(1, 2).Points, static_cast<float>(mp(2, 2) + mp(3, 2)) / 10.0f);
            EXPECT_FLOAT_EQ(e.row(1, 4).Points, static_cast<float>(mp(2, 4) + mp(3, 4)) / 10.0f);
        }
}

TEST(MissedBoard, PercentagesCountTheLoweredTopWithoutNeuberg) {
    // Neuberg off: board 1, missed by 4 v 8, keeps its lowered top of 4 for the pairs who played
    // it, board 2 its top of 6. Pair 1 won both: 4 + 6 of 10 is 100 %, not 10 of 12.
    Evening e(1, 8, 2, 7);
    e.settings(ModePairs, NeubergOff, false);
    e.list.table(1, 1, 1, 5, 420);
    e.list.table(1, 1, 2, 6, 400);
    e.list.table(1, 1, 3, 7, 170);
    for (int t = 1; t <= 4; ++t)
        e.list.table(1, 2, t, t + 4, 600 - 100 * t);
    ScriptedDialogs dialogs;
    MatchPointCalculation calc(e.list.settings, e.list.scores, ScoreTables{}, dialogs);
    const OpponentLookup seats = [](int, int, int row) {
        return BoardOpponent{row <= 4 ? row + 4 : row - 4, row > 4};
    };
    ASSERT_TRUE(CopyMatchPoints(e.club, calc, ScoreTables{}, dialogs, 1, 1, Seated(seats)));
    EXPECT_FLOAT_EQ(e.row(1, 1).Points, 10);
    EXPECT_FLOAT_EQ(e.row(1, 1).Percentage, 100);
    // Pair 4 played board 2 alone and came last on it; pair 8 first: 6 of 6.
    EXPECT_FLOAT_EQ(e.row(1, 8).Percentage, 100);
    EXPECT_FLOAT_EQ(e.row(1, 4).Percentage, 0);
    EXPECT_EQ(e.row(1, 4).BoardsPlayed, 1);
}

TEST(EmptyBoards, OneQuestionPerGroupThatGoesOnByDefault) {
    Evening e(1, 4, 5, 3);
    e.settings(ModePairs, NeubergOff, false);
    e.list.table(1, 1, 1, 3, 420);
    e.list.table(1, 1, 2, 4, 400);
    for (const bool stop : {false, true}) {
        std::vector<TScoreObj> scores = e.list.scores;
        ScriptedDialogs dialogs;
        dialogs.answer(stop ? Result::Yes : Result::No);
        MatchPointCalculation calc(e.list.settings, scores, ScoreTables{}, dialogs);
        calc.CountUnplayed(1, 1, 5, false);
        EXPECT_EQ(calc.ComputeBoards(1, 1, 5), !stop);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.texts()[0],
                  "Geen Scores gevonden voor 4 spellen,  van groep:A\rBerekening afbreken?");
        // Nee is the default: Enter goes on.
        EXPECT_EQ(dialogs.messages[0].buttons, Button::JaNee | Button::DefaultNee);
    }
    // A stopped group keeps the results it had.
    ScriptedDialogs dialogs;
    dialogs.answerYes();
    MatchPointCalculation calc(e.list.settings, e.list.scores, ScoreTables{}, dialogs);
    e.club.SessionList[0].Rows[1].Points = 12.5f;
    CopyMatchPointsOptions options;
    options.askFirst = false;
    int saves = 0;
    options.save = [&](const std::vector<int>&) { return ++saves > 0; };
    EXPECT_FALSE(CopyMatchPoints(e.club, calc, ScoreTables{}, dialogs, 1, 1, options));
    EXPECT_FLOAT_EQ(e.row(1, 1).Points, 12.5f);
    EXPECT_EQ(saves, 0);
}
