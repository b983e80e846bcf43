#include "hands/Dealing.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>

using namespace velk;

namespace {

// Gives the numbers it was handed, then fails.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<std::uint32_t> values) : values_(std::move(values)) {}
    bool next(std::uint32_t& value) override {
        if (values_.empty())
            return false;
        value = values_.front();
        values_.pop_front();
        return true;
    }

private:
    std::deque<std::uint32_t> values_;
};

} // namespace

TEST(DealingTest, DrawsAboveTheLastWholeMultipleAreThrownAway) {
    // 2^32 = 3 x 1431655765 + 1: the one draw 4294967295 would favour 0 and is drawn again.
    ScriptedRandom random({4294967295u, 4294967294u, 7u});
    std::uint32_t value = 99;
    ASSERT_TRUE(UniformBelow(random, 3, value));
    EXPECT_EQ(value, 4294967294u % 3);
    // 2^32 = 52 x 82595524 + 48: the top 48 draws are thrown away.
    ScriptedRandom top({4294967295u - 47, 4294967295u - 48});
    ASSERT_TRUE(UniformBelow(top, 52, value));
    EXPECT_EQ(value, (4294967295u - 48) % 52);
    ScriptedRandom empty({});
    EXPECT_FALSE(UniformBelow(empty, 52, value));
    EXPECT_FALSE(RandomDeal(empty));
}

TEST(DealingTest, TheSystemGeneratorDealsCompleteAndDifferentDeals) {
    SystemRandom random;
    const auto boards = DealBoards(5, 24, random);
    ASSERT_TRUE(boards);
    ASSERT_EQ(boards->size(), 24u);
    EXPECT_EQ(boards->front().board, 5);
    EXPECT_EQ(boards->back().board, 28);
    for (const NumberedDeal& b : *boards)
        EXPECT_EQ(IncompleteDealText(b.deal), "");
    EXPECT_NE((*boards)[0].deal, (*boards)[1].deal);
}

TEST(DealingTest, TheSameSeedDealsTheSameBoards) {
    SeededRandom a(42), b(42), c(43);
    const auto first = DealBoards(1, 16, a);
    ASSERT_TRUE(first);
    EXPECT_EQ(first, DealBoards(1, 16, b));
    EXPECT_NE(first, DealBoards(1, 16, c));
}

// Over many hands: the high-card points (A 4, K 3, Q 2, J 1) average 10 with a spread of
// sqrt(17.06), and a 4-4-3-2 shape comes in 21.55 % of hands (the published tables of hand
// patterns). Each is allowed five standard errors.
TEST(DealingTest, HighCardPointsAndShapesAreAsOftenAsTheTablesSay) {
    SeededRandom random(20260101);
    constexpr int kDeals = 25000;
    double points = 0;
    int fourFourThreeTwo = 0;
    for (int d = 0; d < kDeals; ++d) {
        const auto deal = RandomDeal(random);
        ASSERT_TRUE(deal);
        for (int seat = 0; seat < 4; ++seat) {
            std::array<int, 4> lengths{};
            for (int suit = 0; suit < 4; ++suit) {
                const std::string cards = deal->suitText(seat, suit);
                lengths[static_cast<std::size_t>(suit)] = static_cast<int>(cards.size());
                for (const char c : cards)
                    points += c == 'A' ? 4 : c == 'K' ? 3 : c == 'Q' ? 2 : c == 'J' ? 1 : 0;
            }
            std::sort(lengths.begin(), lengths.end());
            fourFourThreeTwo += lengths == std::array<int, 4>{2, 3, 4, 4};
        }
    }
    // The four hands of a deal share the 40 points; their mean over deals is exactly 10, so the
    // test takes one hand a deal for the spread.
    const double hands = 4.0 * kDeals;
    EXPECT_DOUBLE_EQ(points / hands, 10.0);
    double north = 0, northSquares = 0;
    SeededRandom again(7);
    for (int d = 0; d < kDeals; ++d) {
        const auto deal = RandomDeal(again);
        double p = 0;
        for (int suit = 0; suit < 4; ++suit)
            for (const char c : deal->suitText(North, suit))
                p += c == 'A' ? 4 : c == 'K' ? 3 : c == 'Q' ? 2 : c == 'J' ? 1 : 0;
        north += p;
        northSquares += p * p;
    }
    const double mean = north / kDeals;
    EXPECT_NEAR(mean, 10.0, 5 * std::sqrt(17.06 / kDeals));
    EXPECT_NEAR(northSquares / kDeals - mean * mean, 17.06, 0.5);
    const double share = fourFourThreeTwo / hands;
    EXPECT_NEAR(share, 0.2155, 5 * std::sqrt(0.2155 * 0.7845 / kDeals));
}
