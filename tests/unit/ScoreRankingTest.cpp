// Raw scores of a comparison set, counted by hand: 2 for every result beaten, 1 for every tie.
#include "scoring/ScoreRanking.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

ScoreRanking Ranked(std::vector<int> scores, bool keepOrder = false) {
    ScoreRanking ranking;
    ranking.assign(scores, keepOrder);
    return ranking;
}

} // namespace

TEST(ScoreRanking, RawScoresCountedOrSorted) {
    // Multiples of 10 in a narrow range are counted: 420 beats -50 and 100 and ties twice.
    const ScoreRanking counted = Ranked({420, 420, 450, -50, 100, 420});
    EXPECT_EQ(counted.size(), 6);
    EXPECT_EQ(counted.rawScore(-50), 0);
    EXPECT_EQ(counted.rawScore(100), 2);
    EXPECT_EQ(counted.rawScore(420), 6);
    EXPECT_EQ(counted.rawScore(450), 10);
    EXPECT_EQ(counted.counted().buckets, 51u); // -50 .. 450
    EXPECT_EQ(counted.counted().base, -50);

    // One score off the tens: sorted, with the same rule.
    const ScoreRanking odd = Ranked({420, 425, 450, -50, 100, 420});
    EXPECT_EQ(odd.counted().buckets, 0u);
    EXPECT_EQ(odd.rawScore(-50), 0);
    EXPECT_EQ(odd.rawScore(100), 2);
    EXPECT_EQ(odd.rawScore(420), 5);
    EXPECT_EQ(odd.rawScore(425), 8);
    EXPECT_EQ(odd.rawScore(450), 10);

    // A range far wider than the set: sorted too.
    const ScoreRanking wide = Ranked({7600, -7600, 0});
    EXPECT_EQ(wide.counted().buckets, 0u);
    EXPECT_EQ(wide.rawScore(-7600), 0);
    EXPECT_EQ(wide.rawScore(0), 2);
    EXPECT_EQ(wide.rawScore(7600), 4);

    // All equal: every result ties with the others.
    EXPECT_EQ(Ranked({-100, -100, -100, -100}).rawScore(-100), 3);
    EXPECT_EQ(Ranked({}).size(), 0);
}

TEST(ScoreRanking, KeepsTheOrderForTheDatum) {
    EXPECT_EQ(Ranked({30, -10, 30, 0}, true).sorted(), (std::vector<int>{-10, 0, 30, 30}));
    EXPECT_EQ(Ranked({30, -15, 30, 0}, true).sorted(), (std::vector<int>{-15, 0, 30, 30}));
    // Assigned again, nothing of the first set stays.
    ScoreRanking ranking = Ranked({620, 600, 100});
    std::vector<int> second = {-300, -300};
    ranking.assign(second, true);
    EXPECT_EQ(ranking.size(), 2);
    EXPECT_EQ(ranking.rawScore(-300), 1);
    EXPECT_EQ(ranking.sorted(), (std::vector<int>{-300, -300}));
}
