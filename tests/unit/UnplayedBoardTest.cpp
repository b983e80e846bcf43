// A board one table did not play, answered both ways: the worked example of the README.
#include "scoring/MatchPointCalculation.h"
#include "scoring/SessionResults.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// 8 pairs, 1..4 North-South against 5..8, Neuberg with one decimal. Board 2 is played at every
// table; board 1 at three: 4 v 8 did not play it.
struct MissedBoard {
    test::ScoreListBuilder list{1, 8, 2};
    test::ScriptedDialogs dialogs;
    const ScoreTables tables;

    MissedBoard() {
        list.settings.NeubergMode = NeubergOneDecimal;
        list.table(1, 1, 1, 5, 420);
        list.table(1, 1, 2, 6, 400);
        list.table(1, 1, 3, 7, 170);
        for (int t = 1; t <= 4; ++t)
            list.table(1, 2, t, t + 4, 100 * t);
    }

    int mp(const MatchPointCalculation& calc, int board, int row) const {
        return calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(1, board, row))].MatchPoints;
    }

    // The copy's steps: the sit-out detection, the unplayed board with its question, the boards.
    MatchPointCalculation compute(bool arbitral) {
        MatchPointCalculation calc(list.settings, list.scores, tables, dialogs);
        const OpponentLookup seats = [](int, int, int row) {
            return BoardOpponent{row <= 4 ? row + 4 : row - 4, row > 4};
        };
        const SitOutDecision d = DetectSitOut(calc, 1, dialogs, seats);
        EXPECT_EQ(d.incompleteCount, 2);
        arbitral ? dialogs.answerYes() : dialogs.answerNo();
        EXPECT_EQ(calc.CountUnplayed(1, 1, 2, true), 1);
        EXPECT_EQ(dialogs.texts().back(), "Arbitrale score voor dit spel: 1?");
        EXPECT_TRUE(calc.ComputeBoards(1, 1, 2));
        return calc;
    }
};

} // namespace

TEST(UnplayedBoard, BothAnswersFactorTheBoardUpToTheFullTop) {
    for (const bool arbitral : {true, false}) {
        MissedBoard board;
        const MatchPointCalculation calc = board.compute(arbitral);
        EXPECT_EQ(calc.boardTop(1, 1), 6) << arbitral;
        // Neuberg over 3 results to the 4 of a full board: ((r + 1) x 4 / 3 - 1), r = 4, 2, 0.
        EXPECT_EQ(board.mp(calc, 1, 1), 57);
        EXPECT_EQ(board.mp(calc, 1, 2), 30);
        EXPECT_EQ(board.mp(calc, 1, 3), 3);
        EXPECT_EQ(board.mp(calc, 1, 5), 3);
        EXPECT_EQ(board.mp(calc, 1, 7), 57);
    }
}

TEST(UnplayedBoard, JaGivesTheTableThatDidNotPlayTheAverage) {
    MissedBoard board;
    const MatchPointCalculation calc = board.compute(true);
    EXPECT_EQ(board.list.at(1, 1, 4).Code, ScoreCode::Percentage);
    EXPECT_EQ(board.list.at(1, 1, 4).Score, kArbitralPercentage);
    EXPECT_EQ(board.list.at(1, 1, 8).Code, ScoreCode::Percentage);
    // An arbitral score the user chose is no table still to be typed.
    EXPECT_EQ(board.list.at(1, 1, 4).Flags & ScoreFlag::Given, 0);
    EXPECT_EQ(board.mp(calc, 1, 4), 30); // 50 % of 6
    EXPECT_EQ(board.mp(calc, 1, 8), 30);
    // The board holds the match points of a full board: 4 x 3 a side.
    EXPECT_EQ(board.mp(calc, 1, 1) + board.mp(calc, 1, 2) + board.mp(calc, 1, 3) + board.mp(calc, 1, 4), 120);
    // The pairs who missed it now played it: the board counts in their divisor.
    EXPECT_EQ(BoardsPlayedBy(calc, 1, 4), 2);
}

TEST(UnplayedBoard, NeeLeavesTheBoardOutForThePairsWhoMissedIt) {
    MissedBoard board;
    const MatchPointCalculation calc = board.compute(false);
    EXPECT_EQ(board.list.at(1, 1, 4).Code, ScoreCode::Absent);
    EXPECT_EQ(board.list.at(1, 1, 8).Code, ScoreCode::Absent);
    EXPECT_NE(board.list.at(1, 1, 8).Flags & ScoreFlag::Given, 0);
    EXPECT_EQ(board.mp(calc, 1, 4), 0);
    EXPECT_EQ(BoardsPlayedBy(calc, 1, 4), 1); // their percentage comes from board 2 alone
}
