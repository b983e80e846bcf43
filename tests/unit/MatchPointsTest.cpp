#include "core/BuildPaths.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreCode.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace velk;
using velk::test::ScoreListBuilder;
using velk::test::ScriptedDialogs;

namespace {

ScoreTables DataTables() {
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
    return LoadScoreTables(std::filesystem::path(VELK_SOURCE_DIR) / "data", dialogs, errorCode, false);
}

int Mp(const MatchPointCalculation& calc, const ScoreListBuilder& list, int group, int board, int row) {
    return calc
        .BoardMatchPoints()[static_cast<std::size_t>(
            ScoreRecordIndex(group, board, row, list.settings.BoardCount, list.settings.PairsPerGroup))]
        .MatchPoints;
}

// Group of 12 pairs, board 1: pairs 1..6 sit North-South against 7..12.
// "Topintegraal", Neuberg on, two groups of 4 pairs and one board: group B plays it at one table.
ScoreListBuilder TwoGroupsOneTableShort() {
    ScoreListBuilder list(2, 4, 1);
    list.settings.TopIntegral = true;
    list.settings.NeubergMode = NeubergOneDecimal;
    list.table(1, 1, 1, 3, 420);
    list.table(1, 1, 2, 4, 400);
    list.table(2, 1, 1, 3, 450);
    return list;
}

ScoreListBuilder SixTables(std::initializer_list<int> nsScores) {
    ScoreListBuilder list(1, 12, 1);
    int t = 1;
    for (const int s : nsScores) {
        list.table(1, 1, t, t + 6, s);
        ++t;
    }
    return list;
}

} // namespace

TEST(MatchPointRules, ClassesAndSides) {
    EXPECT_EQ(ClassOfCode('N' - 64), RecordClass::Normal);
    EXPECT_EQ(ClassOfCode('E' - 64), RecordClass::Normal);
    EXPECT_EQ(ClassOfCode('G' - 64), RecordClass::Fragment);
    EXPECT_EQ(ClassOfCode('O' - 64), RecordClass::FixedPercentage);
    EXPECT_EQ(ClassOfCode('S' - 64), RecordClass::FixedPercentage);
    EXPECT_EQ(ClassOfCode('L' - 64), RecordClass::FixedPoints);
    EXPECT_EQ(ClassOfCode('K' - 64), RecordClass::None);
    EXPECT_EQ(ClassOfCode(17), RecordClass::None);
    // A turned North-South record is compared as East-West but counted where it sat.
    const std::uint8_t turned = ScoreFlag::EastWest | ScoreFlag::Turned;
    EXPECT_EQ(ComparisonSide(turned), 1);
    EXPECT_EQ(CountingSide(turned), 0);
    EXPECT_EQ(CountingSide(ScoreFlag::EastWest), 1);
}

TEST(MatchPointRules, RoundingTowardsTheAverageWithNeuberg) {
    // Top 10: half the top is 500 hundredths.
    EXPECT_EQ(RoundToTenths(605, true, 10), 60);
    EXPECT_EQ(RoundToTenths(405, true, 10), 41);
    EXPECT_EQ(RoundToTenths(605, false, 10), 61);
    EXPECT_EQ(RoundToTenths(405, false, 10), 41);
    EXPECT_EQ(RoundToTenths(-300, false, 10), -30);
}

TEST(MatchPointRules, PublishedNeubergExample) {
    // 10 results where 11 were expected, top 20: raw scores 18, 16, ... 0 among the ten.
    const int expected[] = {199, 177, 155, 133, 111, 89, 67, 45, 23, 1};
    for (int i = 0; i < 10; ++i) {
        FinishContext c{0, NeubergOneDecimal, 20, 10};
        EXPECT_EQ(FinishValue(WorkingValue::Compared(18 - 2 * i), c), expected[i]) << i;
    }
}

TEST(MatchPointRules, FewResultsWithNeuberg) {
    // Where results are missing, one result: 60 % of the top; two: 55, 60, 65 %; three with more
    // than six missing: 50..70 %.
    EXPECT_EQ(FinishValue(WorkingValue::Compared(0), {0, NeubergOneDecimal, 10, 1}), 60);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(0), {0, NeubergOneDecimal, 6, 2}), 33);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(2), {0, NeubergOneDecimal, 6, 2}), 39);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(4), {0, NeubergOneDecimal, 22, 3}), 154);
    // A raw score beyond the table (turned records) stays within it.
    EXPECT_EQ(FinishValue(WorkingValue::Compared(7), {0, NeubergOneDecimal, 6, 2}), 39);
    // Two results of a board played at two tables miss nothing: they keep 0.0 and 2.0 of 2.
    EXPECT_EQ(FinishValue(WorkingValue::Compared(0), {0, NeubergOneDecimal, 2, 2}), 0);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(2), {0, NeubergOneDecimal, 2, 2}), 20);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(7), {0, NeubergOneDecimal, 2, 2}), 20);
}

TEST(MatchPointRules, OtherResultsCountAsTiesWithoutNeuberg) {
    // Five compared results and one fixed on the side, top 10: each of the others adds a tie.
    EXPECT_EQ(FinishValue(WorkingValue::Compared(8), {0, NeubergOff, 10, 5}), 90);
    // The side cannot have more results than its top allows (top 8 means 5).
    EXPECT_EQ(FinishValue(WorkingValue::Compared(8), {0, NeubergOff, 8, 5}), 80);
    EXPECT_EQ(FinishValue(WorkingValue::Compared(8), {0, NeubergOneDecimal, 8, 5}), 80);
}

TEST(MatchPointRules, FixedValuesKeepTheirSize) {
    // 100 % of a top of 150 is 150.0, beyond what a 13-bit tag could hold.
    EXPECT_EQ(FinishValue(WorkingValue::Fixed(100 * 150), {0, NeubergOff, 150, 0}), 1500);
    EXPECT_EQ(FinishValue(WorkingValue::Fixed(-300), {0, NeubergOff, 10, 0}), -30);
    // Butler values are stored unchanged.
    EXPECT_EQ(FinishValue(WorkingValue::Compared(-70), {1, NeubergOneDecimal, 10, 3}), -70);
}

TEST(MatchPointRules, ARunOfRawScoresIsFinishedAsEachOneAlone) {
    // Every form that finishes a raw score, against FinishCompared's own division per value.
    for (const int mode : {ModePairs, ModeIndividual, ModeCrossImp})
        for (const int neuberg : {NeubergOff, NeubergNoDecimals, NeubergOneDecimal})
            for (int own = 0; own <= 40; ++own)
                for (const int top : {2 * own - 2, 2 * own + 8, 510}) {
                    FinishContext c;
                    c.scoringMode = mode;
                    c.neubergMode = neuberg;
                    c.own = own;
                    c.top = std::max(top, 0);
                    const int count = 2 * own + 3;
                    std::vector<int> run(static_cast<std::size_t>(count));
                    FinishComparedRun(c, count, run.data());
                    for (int v = 0; v < count; ++v)
                        ASSERT_EQ(run[static_cast<std::size_t>(v)], FinishCompared(v, c))
                            << mode << " " << neuberg << " " << own << " " << top << " " << v;
                }
    // The largest session: 256 results a side on a top of 510.
    FinishContext c;
    c.scoringMode = ModePairs;
    c.neubergMode = NeubergOneDecimal;
    c.own = 256;
    c.top = 510;
    std::vector<int> run(512);
    FinishComparedRun(c, 512, run.data());
    EXPECT_EQ(run[0], 0);
    EXPECT_EQ(run[255], 2550); // the middle: half the top
    EXPECT_EQ(run[510], 5100);
}

TEST(MatchPointRules, ButlerDatum) {
    std::array<std::int8_t, ScoreTables::DatumDropCount> drops{};
    drops[6] = 2; // 7 results: one dropped at each end
    // The middle five average 424.0, 425.0 and 425.2.
    EXPECT_EQ(ButlerDatum({-2000, 420, 420, 424, 428, 428, 3000}, drops), 420);
    EXPECT_EQ(ButlerDatum({-2000, 420, 425, 425, 425, 430, 3000}, drops), 420);
    EXPECT_EQ(ButlerDatum({-2000, 420, 425, 426, 425, 430, 3000}, drops), 430);
    EXPECT_EQ(ButlerDatum({-100, -120, -110}, drops), -110);
    EXPECT_EQ(ButlerDatum({}, drops), std::nullopt);
    // A negative byte adds the dropped pair back as its mean: (-2000 + 3000) / 2 = 500.
    drops[6] = -2;
    EXPECT_EQ(ButlerDatum({-2000, 420, 420, 424, 428, 428, 3000}, drops), 440); // (2120 + 500) / 6
    // Without the table nothing is dropped.
    EXPECT_EQ(ButlerDatum({100, 200, 600}, std::nullopt), 300);
}

TEST(ComputeBoards, SixTablesWithoutNeuberg) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420, 170, -100});
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    ASSERT_TRUE(calc.ComputeBoards(1, 1, 1));
    EXPECT_EQ(calc.boardTop(1, 1), 10);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 100);
    EXPECT_EQ(Mp(calc, list, 1, 1, 6), 0);
    EXPECT_EQ(Mp(calc, list, 1, 1, 7), 0); // East-West of the best North-South score
    EXPECT_EQ(Mp(calc, list, 1, 1, 12), 100);
    EXPECT_EQ(calc.Display()[1][0], 100);
    EXPECT_EQ(calc.Display()[1][1], kNoMatchPoints);
    EXPECT_EQ(calc.Display()[7][1], 0);

    auto tied = SixTables({620, 620, 450, 420, 170, -100});
    MatchPointCalculation calc2(tied.settings, tied.scores, tables, dialogs);
    calc2.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(calc2, tied, 1, 1, 1), 90);
    EXPECT_EQ(Mp(calc2, tied, 1, 1, 2), 90);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ComputeBoards, OneTableNotPlayed) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420, 170});
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    EXPECT_EQ(calc.CountUnplayed(1, 1, 1, false), 1);
    EXPECT_EQ(calc.expectedResults(1), 5);
    calc.ComputeBoards(1, 1, 1);
    EXPECT_EQ(calc.boardTop(1, 1), 8);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 80);
    EXPECT_EQ(Mp(calc, list, 1, 1, 3), 40);
    EXPECT_EQ(Mp(calc, list, 1, 1, 5), 0);
    EXPECT_EQ(Mp(calc, list, 1, 1, 6), 0); // did not play
}

TEST(ComputeBoards, TwoResultsWithNeubergGiveFragmentPercentages) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({});
    list.table(1, 1, 1, 7, 420);
    list.table(1, 1, 2, 8, 170);
    list.settings.NeubergMode = NeubergOneDecimal;
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    // A board missed by a few tables keeps its full top with Neuberg on.
    EXPECT_EQ(calc.boardTop(1, 1), 10);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 65); // 65 % of 10
    EXPECT_EQ(Mp(calc, list, 1, 1, 2), 55); // 55 % of 10
    EXPECT_EQ(Mp(calc, list, 1, 1, 7), 55);
}

TEST(ComputeBoards, PublishedNeubergExampleOnABoard) {
    // 22 pairs: ten tables with bridge scores, the eleventh with an arbitral 50 % each way.
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    ScoreListBuilder list(1, 22, 1);
    list.settings.NeubergMode = NeubergOneDecimal;
    const int scores[] = {520, 500, 490, 480, 460, 450, 430, 420, 400, -50};
    for (int t = 1; t <= 10; ++t)
        list.table(1, 1, t, t + 11, scores[t - 1]);
    list.set(1, 1, 11, 50, false, ScoreCode::Percentage);
    list.set(1, 1, 22, 50, true, ScoreCode::Percentage);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    EXPECT_EQ(calc.boardTop(1, 1), 20);
    const int expected[] = {199, 177, 155, 133, 111, 89, 67, 45, 23, 1};
    for (int t = 1; t <= 10; ++t)
        EXPECT_EQ(Mp(calc, list, 1, 1, t), expected[t - 1]) << t;
    EXPECT_EQ(Mp(calc, list, 1, 1, 11), 100); // 50 % of 20
    EXPECT_EQ(Mp(calc, list, 1, 1, 12), 1);   // East-West against 520
}

TEST(ComputeBoards, FixedScores) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420, 170});
    list.set(1, 1, 6, 60, false, ScoreCode::Percentage);
    list.set(1, 1, 12, 40, true, ScoreCode::Percentage);
    list.set(1, 1, 5, 35, false, ScoreCode::MatchPoints); // M3.5 replaces the 170
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(calc, list, 1, 1, 6), 60); // A60% with top 10
    EXPECT_EQ(Mp(calc, list, 1, 1, 12), 40);
    EXPECT_EQ(Mp(calc, list, 1, 1, 5), 35);
    // Four compared North-South results and two fixed: 620 beats three and ties the two others.
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 80);
}

TEST(ComputeBoards, FragmentsCompareAmongTheirCode) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420});
    list.set(1, 1, 5, 100, false, ScoreCode::Fragment1);
    list.set(1, 1, 6, 50, false, ScoreCode::Fragment1);
    list.set(1, 1, 11, -100, true, ScoreCode::Fragment1);
    list.set(1, 1, 12, -50, true, ScoreCode::Fragment1);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    // Fragment: raw 2 among the two F's, plus four ties with the other class.
    EXPECT_EQ(Mp(calc, list, 1, 1, 5), 60);
    EXPECT_EQ(Mp(calc, list, 1, 1, 6), 40);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 80); // 6 among the four, plus two ties

    list.settings.ScoringMode = ModeButler;
    MatchPointCalculation butler(list.settings, list.scores, tables, dialogs);
    butler.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(butler, list, 1, 1, 5), 0);
    EXPECT_EQ(dialogs.texts().front(), "Gebruik Arbitrale Score");
}

TEST(ComputeBoards, ButlerAndCrossImpAgainstTheDatum) {
    ScriptedDialogs dialogs;
    const ScoreTables tables = DataTables();
    ASSERT_TRUE(tables.DatumDrops && tables.ArbitralScores);
    // Seven North-South results: one dropped at each end, the middle five average 424 -> 420.
    ScoreListBuilder list(1, 16, 1);
    const int scores[] = {-2000, 420, 420, 424, 428, 428, 3000};
    for (int t = 1; t <= 7; ++t)
        list.table(1, 1, t, t + 8, scores[t - 1]);
    list.set(1, 1, 8, 60, false, ScoreCode::Percentage);
    list.set(1, 1, 16, 40, true, ScoreCode::Percentage);
    list.settings.ScoringMode = ModeButler;
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), -200); // 2420 below: 20 IMPs
    EXPECT_EQ(Mp(calc, list, 1, 1, 4), 0);
    EXPECT_EQ(Mp(calc, list, 1, 1, 7), 210); // 2580 above: 21 IMPs
    EXPECT_EQ(Mp(calc, list, 1, 1, 9), 200); // East-West datum -420
    EXPECT_EQ(Mp(calc, list, 1, 1, 8), 30);  // 60 %: 3.0 IMPs
    EXPECT_EQ(Mp(calc, list, 1, 1, 16), -30);

    list.settings.ScoringMode = ModeCrossImp;
    list.settings.NeubergMode = NeubergOneDecimal;
    MatchPointCalculation cross(list.settings, list.scores, tables, dialogs);
    cross.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(cross, list, 1, 1, 1), -200);
    EXPECT_EQ(Mp(cross, list, 1, 1, 7), 210);
    EXPECT_EQ(Mp(cross, list, 1, 1, 8), 30);
}

TEST(ComputeBoards, TopIntegralComparesAcrossGroups) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    ScoreListBuilder list(2, 4, 1);
    list.settings.TopIntegral = true;
    list.table(1, 1, 1, 3, 420);
    list.table(1, 1, 2, 4, 400);
    list.table(2, 1, 1, 3, 450);
    list.table(2, 1, 2, 4, -50);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    calc.ComputeBoards(2, 1, 1);
    EXPECT_EQ(calc.boardTop(1, 1), 6);
    EXPECT_EQ(Mp(calc, list, 2, 1, 1), 60);
    EXPECT_EQ(Mp(calc, list, 1, 1, 1), 40);
    EXPECT_EQ(Mp(calc, list, 1, 1, 2), 20);
    EXPECT_EQ(Mp(calc, list, 2, 1, 2), 0);
    EXPECT_EQ(Mp(calc, list, 2, 1, 4), 60);

    // Two results in group B only, Neuberg on: the counters cover both groups, so the
    // two-result table does not apply and no index runs past it.
    ScoreListBuilder few = TwoGroupsOneTableShort();
    MatchPointCalculation calc2(few.settings, few.scores, tables, dialogs);
    calc2.ComputeBoards(2, 1, 1);
    // Factored up to the full top: (r + 1) x 4 / 3 - 1 of 6 for the best of three.
    EXPECT_EQ(calc2.boardTop(1, 2), 6);
    EXPECT_EQ(Mp(calc2, few, 2, 1, 1), 57);
}

TEST(ComputeBoards, TopIntegralTopFollowsTheUnplayedTablesOfEveryGroup) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    // Neuberg off: the table of group B lowers the top of group A as well: 8 pairs - 2, less 2.
    ScoreListBuilder off = TwoGroupsOneTableShort();
    off.settings.NeubergMode = NeubergOff;
    MatchPointCalculation calc(off.settings, off.scores, tables, dialogs);
    EXPECT_EQ(calc.CountUnplayed(1, 1, 1, false), 0);
    EXPECT_EQ(calc.CountUnplayed(2, 1, 1, false), 1);
    EXPECT_EQ(calc.boardTop(1, 1), 4);
    EXPECT_EQ(calc.boardTop(1, 2), 4);
    // Counted again, the table is not taken off twice.
    EXPECT_EQ(calc.CountUnplayed(2, 1, 1, false), 1);
    EXPECT_EQ(calc.boardTop(1, 1), 4);
    // Neuberg on: the board keeps its full top in both groups, asked about or not.
    ScoreListBuilder on = TwoGroupsOneTableShort();
    MatchPointCalculation neuberg(on.settings, on.scores, tables, dialogs);
    EXPECT_EQ(neuberg.CountUnplayed(2, 1, 1, false), 1);
    EXPECT_EQ(neuberg.boardTop(1, 1), 6);
    dialogs.answerNo();
    EXPECT_EQ(neuberg.CountUnplayed(2, 1, 1, true), 1);
    EXPECT_EQ(dialogs.texts().back(), "Arbitrale score voor dit spel: 1?");
    EXPECT_EQ(neuberg.boardTop(1, 1), 6);
    EXPECT_EQ(neuberg.boardTop(1, 2), 6);
    EXPECT_EQ(neuberg.missingTables(1, 2), 1);
}

TEST(ComputeBoards, DisplayOnlyAndOneBoardSessions) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420, 170, -100});
    MatchPointCalculation display(list.settings, list.scores, tables, dialogs);
    display.ComputeBoards(1, 1, 1, MatchPointCalculation::Target::DisplayOnly);
    EXPECT_EQ(display.Display()[1][0], 100);
    EXPECT_EQ(Mp(display, list, 1, 1, 1), 0);
    // A session of one board still stores its match points.
    MatchPointCalculation store(list.settings, list.scores, tables, dialogs);
    store.ComputeBoards(1, 1, 1);
    EXPECT_EQ(Mp(store, list, 1, 1, 1), 100);
}

TEST(ComputeBoards, NoScoresAsksWhetherToStop) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    ScoreListBuilder list(1, 2, 2);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    dialogs.answerNo();
    dialogs.answerYes();
    EXPECT_TRUE(calc.ComputeBoards(1, 1, 1));
    EXPECT_FALSE(calc.ComputeBoards(1, 2, 2));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], "Geen Scores gevonden voor spel:1,  van groep:A\rBerekening afbreken?");
}

TEST(ComputeBoards, RefusesAScoreListTooShort) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    ScoreListBuilder list(1, 12, 2);
    list.scores.resize(10);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    EXPECT_FALSE(calc.fits());
    EXPECT_TRUE(calc.ComputeBoards(1, 1, 2));
    EXPECT_EQ(calc.CountUnplayed(1, 1, 2, true), 0);
}

TEST(CountUnplayed, ReportsAndAsks) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    ScoreListBuilder list(1, 4, 3, 3);
    list.settings.NeubergMode = NeubergOneDecimal;
    for (int b = 1; b <= 3; ++b)
        list.table(1, b, 1, 3, 100 * b);
    list.table(1, 1, 2, 4, 50);
    list.table(1, 3, 2, 4, 50);
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    dialogs.answerNo();
    EXPECT_EQ(calc.CountUnplayed(1, 1, 3, true), 1);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Aantal niet gespeelde spellen :1 in Groep: A",
                                                         "Ongespeeld spel: 2 in Groep: A",
                                                         "Arbitrale score voor dit spel: 2?"}));
    EXPECT_EQ(calc.unplayed(2, 1), 0); // the mark went with the answer
    EXPECT_EQ(calc.expectedResults(1), 5);
}

TEST(ComputeBoards, OnlyARecordThatDiffersCountsAsChanged) {
    ScriptedDialogs dialogs;
    const ScoreTables tables;
    auto list = SixTables({620, 600, 450, 420, 170});
    MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
    calc.ComputeBoards(1, 1, 1);
    EXPECT_FALSE(calc.recordsChanged());
    // Handed out, or even written with what it held, a record is unchanged.
    TScoreObj& record = calc.mutableRecord(1, 1, 6);
    record.Score = record.Score;
    EXPECT_FALSE(calc.recordsChanged());
    record.Code = ScoreCode::Absent;
    EXPECT_TRUE(calc.recordsChanged());
    // Put back through a second hand-out: compared with what it held the first time.
    calc.mutableRecord(1, 1, 6).Code = ScoreCode::None;
    EXPECT_FALSE(calc.recordsChanged());
}

TEST(ComputeBoards, AnArbitralScoreIsAChangeAndNeeIsNot) {
    const ScoreTables tables;
    for (const bool yes : {true, false}) {
        ScriptedDialogs dialogs;
        auto list = SixTables({620, 600, 450, 420, 170});
        list.settings.NeubergMode = NeubergOneDecimal;
        // The pairs of the table that did not play, as the sit-out detection marks them.
        for (const int row : {6, 12})
            list.scores[static_cast<std::size_t>(ScoreRecordIndex(1, 1, row, 1, 12))].Code =
                ScoreCode::Absent;
        MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
        yes ? dialogs.answerYes() : dialogs.answerNo();
        calc.CountUnplayed(1, 1, 1, true);
        EXPECT_EQ(dialogs.texts().back(), "Arbitrale score voor dit spel: 1?");
        EXPECT_EQ(calc.recordsChanged(), yes);
        EXPECT_EQ(calc.record(1, 1, 6).Code, yes ? ScoreCode::Percentage : ScoreCode::Absent);
    }
}
