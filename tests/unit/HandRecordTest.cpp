#include "hands/HandRecord.h"

#include "hands/DealText.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// Answers from the deal itself, so the test sees which deal went where, and records its calls.
class FakeSolver final : public DoubleDummySolver {
public:
    bool fail = false;
    std::vector<std::size_t> setSizes;
    std::vector<std::pair<int, int>> parCalls; // dealer, vulnerability

    bool solve(const std::vector<Deal>& deals, std::vector<TricksTable>& tables,
               std::string& problem) override {
        setSizes.push_back(deals.size());
        if (fail) {
            problem = "kapot";
            return false;
        }
        for (const Deal& d : deals) {
            TricksTable t;
            t.tricks[North][NoTrump] = d.seatOf[0]; // the seat of the ace of spades
            tables.push_back(t);
        }
        return true;
    }
    bool par(const TricksTable& table, int dealer, int vulnerability, ParResult& result,
             std::string&) override {
        parCalls.emplace_back(dealer, vulnerability);
        result.score = 100 * table.at(North, NoTrump) + dealer;
        return true;
    }
};

Deal Rotated(int steps) {
    std::string problem;
    Deal deal =
        *ParsePbnDeal("N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 .KQ5.JT954.AJT74", problem);
    for (auto& seat : deal.seatOf)
        seat = static_cast<std::uint8_t>((seat + steps) % 4);
    return deal;
}

} // namespace

TEST(HandRecordTest, OnlyTheBoardsNotYetAnalysedAreSolvedInOneSetEachWithItsOwnDealerAndVulnerability) {
    HandRecord record;
    BoardAnalysis done;
    done.par.score = -1;
    record.boards = {{5, Rotated(1), std::nullopt},
                     {6, Rotated(2), done},
                     {7, Rotated(3), std::nullopt},
                     {16, Rotated(0), std::nullopt}};
    FakeSolver solver;
    std::string problem;
    EXPECT_EQ(AnalyseMissing(record, solver, problem), 3);
    EXPECT_EQ(solver.setSizes, std::vector<std::size_t>{3});
    // Board 5: North, North-South; board 7: South, both; board 16: West, East-West.
    EXPECT_EQ(solver.parCalls, (std::vector<std::pair<int, int>>{{0, 2}, {2, 4}, {3, 3}}));
    EXPECT_EQ(record.boards[0].analysis->par.score, 100);
    EXPECT_EQ(record.boards[1].analysis->par.score, -1);
    EXPECT_EQ(record.boards[2].analysis->par.score, 302);
    EXPECT_EQ(record.boards[3].analysis->par.score, 3);
    EXPECT_EQ(AnalyseMissing(record, solver, problem), 0);
    EXPECT_EQ(solver.setSizes.size(), 1u);
}

TEST(HandRecordTest, AFailedAnalysisChangesNothing) {
    HandRecord record;
    record.boards = {{1, Rotated(0), std::nullopt}};
    const HandRecord before = record;
    FakeSolver solver;
    solver.fail = true;
    std::string problem;
    EXPECT_EQ(AnalyseMissing(record, solver, problem), -1);
    EXPECT_EQ(problem, "kapot");
    EXPECT_EQ(record, before);
}

TEST(HandRecordTest, ParContractsAreShownAndReadBack) {
    const std::pair<ParContract, std::string> cases[] = {{{4, Spades, North, 0, 0}, "4S N"},
                                                         {{3, NoTrump, ParNorthSouth, 1, 0}, "3NT+1 NS"},
                                                         {{5, Hearts, ParEastWest, 0, 2}, "5HX-2 EW"},
                                                         {{7, Clubs, West, 0, 0}, "7C W"}};
    for (const auto& [contract, text] : cases) {
        EXPECT_EQ(ParContractText(contract), text);
        ParContract back;
        ASSERT_TRUE(ParseParContract(text, back)) << text;
        EXPECT_EQ(back, contract);
    }
    ParContract unused;
    for (const char* bad : {"8S N", "4X N", "4S", "4S NE", "4S+ N", "4SX-10 N"})
        EXPECT_FALSE(ParseParContract(bad, unused)) << bad;
}
