// The double-dummy solver on deals whose tables and par are worked out by hand.
#include "hands/dds/DdsSolver.h"

#include "hands/DealText.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// North holds the spades, East the hearts, South the diamonds, West the clubs. A side whose
// partner holds the trumps ruffs the opening lead and runs them: 13 tricks in its two suits; in
// the others' suits and in no trump the opening leader's side takes every trick.
const std::string kSuitEach = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

Deal Rotated(const Deal& deal, int steps) {
    Deal out = deal;
    for (auto& seat : out.seatOf)
        seat = static_cast<std::uint8_t>((seat + steps) % 4);
    return out;
}

Deal SuitEach() {
    std::string problem;
    return *ParsePbnDeal(kSuitEach, problem);
}

// The suits each side can make 13 tricks in, by hand: North-South spades and diamonds, East-West
// hearts and clubs, each moved round with the deal.
int Expected(int steps, int seat, int strain) {
    if (strain == NoTrump)
        return 0;
    const int holder = (strain + steps) % 4; // the seat holding the strain's suit
    return holder % 2 == seat % 2 ? 13 : 0;
}

} // namespace

TEST(DdsSolverTest, TheTablesOfEveryRotationOfAWorkedDealInSetsAboveForty) {
    // 45 deals: more than one call of at most 40 tables.
    std::vector<Deal> deals;
    for (int i = 0; i < 45; ++i)
        deals.push_back(Rotated(SuitEach(), i % 4));
    DdsSolver solver;
    std::vector<TricksTable> tables;
    std::string problem;
    ASSERT_TRUE(solver.solve(deals, tables, problem)) << problem;
    ASSERT_EQ(tables.size(), deals.size());
    for (std::size_t i = 0; i < deals.size(); ++i)
        for (int seat = 0; seat < 4; ++seat)
            for (int strain = 0; strain < kStrainCount; ++strain)
                EXPECT_EQ(tables[i].at(seat, strain), Expected(static_cast<int>(i % 4), seat, strain))
                    << "deal " << i << " seat " << seat << " strain " << strain;
}

TEST(DdsSolverTest, AHandWithAllTheTopCardsTakesThemAll) {
    // North: the spades less the two, and the ace of hearts; East the ♠2 and the other hearts.
    // Whatever East leads against North's no trump, North wins it and cashes 13 tricks.
    std::string problem;
    const auto deal =
        ParsePbnDeal("N:AKQJT9876543.A.. 2.KQJT98765432.. ..AKQJT98765432. ...AKQJT98765432", problem);
    ASSERT_TRUE(deal) << problem;
    DdsSolver solver;
    std::vector<TricksTable> tables;
    ASSERT_TRUE(solver.solve({*deal}, tables, problem)) << problem;
    EXPECT_EQ(tables[0].at(North, Spades), 13);
    EXPECT_EQ(tables[0].at(South, Spades), 13);
    EXPECT_EQ(tables[0].at(North, NoTrump), 13);
    // East in hearts ruffs South's diamond lead and plays trumps: North wins the ♥A and the ♠A
    // (East following with the ♠2), then East ruffs and runs the hearts.
    EXPECT_EQ(tables[0].at(East, Hearts), 11);
}

TEST(DdsSolverTest, ParForEveryDealerAndVulnerability) {
    // The side with spades makes 7S; the others have no sacrifice worth taking (7NT doubled goes 13
    // down). Grand slam in spades: 210 + game 300/500 + slam 1000/1500.
    DdsSolver solver;
    std::string problem;
    for (const int steps : {0, 1}) {
        std::vector<TricksTable> tables;
        ASSERT_TRUE(solver.solve({Rotated(SuitEach(), steps)}, tables, problem)) << problem;
        const bool northSouth = steps == 0;
        for (int dealer = 0; dealer < 4; ++dealer)
            for (int vulnerability = 1; vulnerability <= 4; ++vulnerability) {
                ParResult par;
                ASSERT_TRUE(solver.par(tables[0], dealer, vulnerability, par, problem)) << problem;
                const bool vulnerable = vulnerability == 4 || vulnerability == (northSouth ? 2 : 3);
                const int score = vulnerable ? 2210 : 1510;
                EXPECT_EQ(par.score, northSouth ? score : -score) << dealer << " " << vulnerability;
                ASSERT_EQ(par.contracts.size(), 1u);
                EXPECT_EQ(ParContractText(par.contracts[0]), northSouth ? "7S NS" : "7S EW");
            }
    }
}
