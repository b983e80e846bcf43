#include "hands/BoardHandsText.h"

#include "hands/BoardHandsView.h"
#include "hands/DealText.h"
#include "hands/HandRecordFile.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::TempFolder;

namespace {

Deal DealOf(const char* text) {
    std::string problem;
    return *ParsePbnDeal(text, problem);
}

// A board with a table and par given by hand: what is checked is the layout, not the solving.
HandBoard WorkedBoard() {
    HandBoard board{3, DealOf("N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 .KQ5.JT954.AJT74"),
                    BoardAnalysis{}};
    const int rows[4][kStrainCount] = {
        {12, 9, 8, 7, 10}, {0, 3, 4, 6, 2}, {12, 9, 8, 7, 10}, {0, 3, 4, 6, 2}}; // S H D C NT
    for (int seat = 0; seat < 4; ++seat)
        for (int strain = 0; strain < kStrainCount; ++strain)
            board.analysis->tricks.tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] =
                rows[seat][strain];
    board.analysis->par = {980, {ParContract{6, Spades, ParNorthSouth, 0, 0}}};
    return board;
}

class FakeSolver final : public DoubleDummySolver {
public:
    bool fail = false;
    int solved = 0;
    bool solve(const std::vector<Deal>& deals, std::vector<TricksTable>& tables,
               std::string& problem) override {
        if (fail) {
            problem = "de analyse is mislukt";
            return false;
        }
        solved += static_cast<int>(deals.size());
        tables.assign(deals.size(), TricksTable{});
        return true;
    }
    bool par(const TricksTable&, int, int, ParResult& result, std::string&) override {
        result = {0, {}};
        return true;
    }
};

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

TEST(BoardHandsText, AWorkedBoardInTheCompassLayoutWithItsTricksAndPar) {
    const std::vector<std::string> want = {
        "Spel 3   Gever: Zuid   Kwetsbaar: OW",
        "",
        "                      ♠ A V 9 8 6",
        "                      ♥ A 7 4",
        "                      ♦ A H 6",
        "                      ♣ H V",
        "♠ -                               ♠ B 7 5 4",
        "♥ H V 5                   N       ♥ 10 9 6 2",
        "♦ B 10 9 5 4            W   O     ♦ 7 2",
        "♣ A B 10 7 4              Z       ♣ 6 3 2",
        "                      ♠ H 10 3 2",
        "                      ♥ B 8 3",
        "                      ♦ V 8 3",
        "                      ♣ 9 8 5",
        "",
        "      SA  ♠  ♥  ♦  ♣",
        "   N  10 12  9  8  7",
        "   O   2  0  3  4  6",
        "   Z  10 12  9  8  7",
        "   W   2  0  3  4  6",
        "Par: 980 (NZ)  6♠ NZ",
    };
    EXPECT_EQ(BoardHandsLines(WorkedBoard()), want);

    HandBoard unanalysed = WorkedBoard();
    unanalysed.analysis.reset();
    const auto lines = BoardHandsLines(unanalysed);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.back(), "Nog niet geanalyseerd");
}

TEST(BoardHandsText, DealerAndVulnerabilityFollowTheSixteenBoardCycle) {
    EXPECT_EQ(BoardTitleLine(1), "Spel 1   Gever: Noord   Kwetsbaar: niemand");
    EXPECT_EQ(BoardTitleLine(2), "Spel 2   Gever: Oost   Kwetsbaar: NZ");
    EXPECT_EQ(BoardTitleLine(4), "Spel 4   Gever: West   Kwetsbaar: allen");
    EXPECT_EQ(BoardTitleLine(16), "Spel 16   Gever: West   Kwetsbaar: OW");
    EXPECT_EQ(BoardTitleLine(17), "Spel 17   Gever: Noord   Kwetsbaar: niemand");
}

TEST(BoardHandsText, ParContractsAsDutchPlayersWriteThem) {
    EXPECT_EQ(DutchParContract({3, NoTrump, ParNorthSouth, 0, 0}), "3SA NZ");
    EXPECT_EQ(DutchParContract({5, Hearts, ParEastWest, 0, 2}), "5♥X-2 OW");
    EXPECT_EQ(DutchParContract({4, Hearts, South, 1, 0}), "4♥+1 Z");
    EXPECT_EQ(DutchParContract({2, Clubs, West, 0, 0}), "2♣ W");
    EXPECT_EQ(DutchParLine({-420, {{4, Spades, East, 0, 0}, {4, Spades, West, 0, 0}}}),
              "Par: -420 (NZ)  4♠ O, 4♠ W");
    EXPECT_EQ(DutchParLine({0, {}}), "Par: 0 (NZ)");
    EXPECT_EQ(DutchRanks("AKQJT2"), "A H V B 10 2");
    EXPECT_EQ(DutchRanks(""), "");
}

TEST(BoardHandsView, ASessionWithoutHandsSaysSo) {
    TempFolder folder("hands-view");
    FakeSolver solver;
    BoardHandsView view;
    view.load(folder.file("club_1.dba"), 1, &solver);
    EXPECT_FALSE(view.hasHands());
    EXPECT_EQ(view.lines(1), std::vector<std::string>{"Geen spelverdelingen voor deze zitting"});
    EXPECT_EQ(solver.solved, 0);
}

TEST(BoardHandsView, BoardsNotAnalysedAreAnalysedOnceAndStored) {
    TempFolder folder("hands-view");
    const std::string dba = folder.file("club_1.dba");
    const std::string path = HandRecordPath(dba, 2);
    Write(path, "[Board \"3\"]\n[Deal \"N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 "
                ".KQ5.JT954.AJT74\"]\n");
    FakeSolver solver;
    BoardHandsView view;
    view.load(dba, 2, &solver);
    ASSERT_TRUE(view.hasHands());
    EXPECT_EQ(solver.solved, 1);
    EXPECT_EQ(view.lines(3).front(), "Spel 3   Gever: Zuid   Kwetsbaar: OW");
    EXPECT_EQ(view.lines(3).back(), "Par: 0 (NZ)");
    EXPECT_EQ(view.lines(4), std::vector<std::string>{"Geen spelverdeling voor spel 4"});

    // Stored: read again, nothing is solved.
    BoardHandsView again;
    again.load(dba, 2, &solver);
    EXPECT_EQ(solver.solved, 1);
    EXPECT_EQ(again.lines(3), view.lines(3));
}

TEST(BoardHandsView, AFailedAnalysisShowsTheHandsAndWhyAndADamagedFileIsLeftAlone) {
    TempFolder folder("hands-view");
    const std::string dba = folder.file("club_1.dba");
    const std::string text = "[Board \"1\"]\n[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. "
                             "...AKQJT98765432\"]\n";
    Write(HandRecordPath(dba, 1), text);
    FakeSolver solver;
    solver.fail = true;
    BoardHandsView view;
    view.load(dba, 1, &solver);
    const auto lines = view.lines(1);
    EXPECT_EQ(lines.at(lines.size() - 2), "Nog niet geanalyseerd");
    EXPECT_EQ(lines.back(), "de analyse is mislukt");

    const std::string damaged = "[Board \"1\"]\n[Deal \"N:AKQ.. ... ... ...\"]\n";
    Write(HandRecordPath(dba, 1), damaged);
    solver.fail = false;
    BoardHandsView broken;
    broken.load(dba, 1, &solver);
    EXPECT_FALSE(broken.hasHands());
    ASSERT_EQ(broken.lines(1).size(), 1u);
    EXPECT_EQ(broken.lines(1).front().rfind("spelverdelingen niet te lezen: ", 0), 0u)
        << broken.lines(1).front();
    std::ifstream in(HandRecordPath(dba, 1), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
}
