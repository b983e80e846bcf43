#include "scoring/ContractScore.h"

#include "core/ProgramFolder.h"
#include "scoring/ConversionError.h"
#include "scoring/ScoreTables.h"
#include "scoring/Vulnerability.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace velk;

namespace {
std::vector<std::uint8_t> DataFile(const char* name) {
    std::ifstream in(DataFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<TContrScrOBJ>& Table() {
    static const std::vector<TContrScrOBJ> table = ParseContractScores(DataFile("ContractScors.dab"));
    return table;
}

// Board 1: nobody vulnerable; board 4: both vulnerable.
constexpr int kNoneVul = 1;
constexpr int kBothVul = 4;

ContractConversion Convert(const char* contract, const char* result, int board, int side = NorthSouth) {
    return ContractScore(contract, result, side, board, Table());
}

// The Laws, written out once more for the check: trick score, part-score or game bonus, slam
// bonus, and the bonus for making a doubled or redoubled contract.
int MadeExactly(int level, int strain, int doubling, bool vulnerable) {
    const int firstTrick[] = {20, 20, 30, 30, 40};
    const int laterTrick[] = {20, 20, 30, 30, 30};
    int tricks = firstTrick[strain] + (level - 1) * laterTrick[strain];
    tricks <<= doubling; // x2 doubled, x4 redoubled
    int bonus = tricks >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (level == 6)
        bonus += vulnerable ? 750 : 500;
    if (level == 7)
        bonus += vulnerable ? 1500 : 1000;
    const int insult[] = {0, 50, 100};
    return tricks + bonus + insult[doubling];
}
} // namespace

TEST(ContractTable, HoldsEveryContractByTheLaws) {
    ASSERT_EQ(Table().size(), 35u);
    const char* strains[] = {"K", "R", "H", "S", "SA"};
    std::size_t i = 0;
    for (int level = 1; level <= 7; ++level)
        for (int strain = 0; strain < 5; ++strain, ++i) {
            const auto& record = Table()[i];
            EXPECT_EQ(record.Name.get(), std::to_string(level) + strains[strain]);
            for (int index = 0; index < 6; ++index)
                EXPECT_EQ(record.Scores[static_cast<std::size_t>(index)],
                          MadeExactly(level, strain, index % 3, index >= 3))
                    << record.Name.get() << " index " << index;
        }
}

TEST(ContractScore, LawsVectors) {
    EXPECT_EQ(Convert("3SA", "2", kBothVul).Score, 660);
    EXPECT_EQ(Convert("5SX", "1", kBothVul).Score, 1050);
    EXPECT_EQ(Convert("4RX", "-3", kBothVul).Score, -800);
    EXPECT_EQ(Convert("1KXX", "C", kNoneVul).Score, 230);
    EXPECT_EQ(Convert("7SA", "C", kBothVul).Score, 2220);
}

TEST(ContractScore, NoTrumpTypedAsAIsWrittenBack) {
    const auto notVul = Convert("3a", "c", 1);
    EXPECT_EQ(notVul.Contract, "3SA");
    EXPECT_EQ(notVul.Score, 400);
    EXPECT_EQ(notVul.Code, 'N');
    EXPECT_EQ(notVul.Error, 0);
    // Board 2: North-South vulnerable.
    EXPECT_EQ(Convert("3A", "C", 2).Score, 600);
    EXPECT_EQ(Convert("3A", "C", 2, EastWest).Score, 400);
    EXPECT_EQ(Convert("3AX", "C", 1).Contract, "3SAX");
    EXPECT_EQ(Convert("3AX", "C", 1).Score, 550);
}

TEST(ContractScore, Penalties) {
    EXPECT_EQ(Convert("4HX", "-3", kNoneVul).Score, -500);
    EXPECT_EQ(Convert("4HX", "-3", kBothVul).Score, -800);
    EXPECT_EQ(Convert("4HXX", "-1", kBothVul).Score, -400);
    EXPECT_EQ(Convert("4HD", "-3", kNoneVul).Score, -500);
    EXPECT_EQ(Convert("4HR", "-1", kBothVul).Score, -400);
    EXPECT_EQ(Convert("4H", "-2", kNoneVul).Score, -100);
    EXPECT_EQ(Convert("4H", "-2", kBothVul).Score, -200);
    EXPECT_EQ(Convert("5KX", "-4", kNoneVul).Score, -800);
    EXPECT_EQ(Convert("5KX", "-5", kNoneVul).Score, -1100);
    EXPECT_EQ(Convert("5KXX", "-5", kNoneVul).Score, -2200);
    EXPECT_EQ(Convert("7SAXX", "-13", kBothVul).Score, -7600);
}

TEST(ContractScore, Overtricks) {
    const int twoClubsDoubled = Convert("2KX", "C", kNoneVul).Score;
    EXPECT_EQ(Convert("2KX", "2", kNoneVul).Score, twoClubsDoubled + 200);
    EXPECT_EQ(Convert("2K", "2", kNoneVul).Score, 90 + 40);
    EXPECT_EQ(Convert("2H", "2", kNoneVul).Score, 110 + 60);
    EXPECT_EQ(Convert("2H", "+2", kNoneVul).Score, 170);
    EXPECT_EQ(Convert("1SAXX", "1", kBothVul).Score, 1160); // 760 made, 400 an overtrick
    EXPECT_EQ(Convert("3R", "0", kNoneVul).Score, 110);     // the R of the strain is no redouble
}

TEST(ContractScore, ImpossibleTrickCountsAreRefused) {
    // Fourteen tricks, or fewer than none, are typing errors rather than the contract made.
    EXPECT_EQ(Convert("1K", "7", kNoneVul).Error, ConversionError::ResultWrong);
    EXPECT_EQ(Convert("1K", "-13", kNoneVul).Error, ConversionError::ResultWrong);
    EXPECT_EQ(Convert("4H", "4", kNoneVul).Error, ConversionError::ResultWrong);
    EXPECT_EQ(Convert("4H", "x", kNoneVul).Error, ConversionError::ResultWrong);
    EXPECT_EQ(Convert("4H", "3", kNoneVul).Score, 510);
    EXPECT_EQ(Convert("1K", "-7", kNoneVul).Score, -350);
}

TEST(ContractScore, SpecialContracts) {
    const auto passed = Convert("p", "", kNoneVul);
    EXPECT_EQ(passed.Contract, "PAS");
    EXPECT_EQ(passed.Error, ConversionError::ResultWrong);
    const auto passedWithResult = Convert("PAS", "C", kNoneVul);
    EXPECT_EQ(passedWithResult.Error, 0);
    EXPECT_EQ(passedWithResult.Code, 'N');
    EXPECT_EQ(passedWithResult.Score, 0);

    EXPECT_EQ(Convert("a", "", kNoneVul).Contract, "AFW");
    EXPECT_EQ(Convert("a", "", kNoneVul).Code, '@');
    EXPECT_EQ(Convert("NG", "", kNoneVul).Contract, "NG");
    EXPECT_EQ(Convert("niet", "", kNoneVul).Contract, "NG");
    EXPECT_EQ(Convert("z", "", kNoneVul).Contract, "ZIT");
    EXPECT_EQ(Convert("=", "", kNoneVul).Code, 'N');
    EXPECT_EQ(Convert("?", "", kNoneVul).Error, 0);
    EXPECT_EQ(Convert("", "", kNoneVul).Code, '@');
}

TEST(ContractScore, Errors) {
    EXPECT_EQ(Convert("8H", "C", kNoneVul).Error, ConversionError::ContractStart);
    EXPECT_EQ(Convert("X", "C", kNoneVul).Error, ConversionError::ContractStart);
    EXPECT_EQ(Convert("4", "C", kNoneVul).Error, ConversionError::ContractUnknown);
    EXPECT_EQ(Convert("4Q", "C", kNoneVul).Error, ConversionError::ContractUnknown);
    EXPECT_EQ(Convert("4H", "", kNoneVul).Error, ConversionError::ResultWrong);
    EXPECT_EQ(Convert("4H", "", kNoneVul).Code, '@');
    // A table cut short does not know the contracts beyond it.
    const std::vector<TContrScrOBJ> shortTable(Table().begin(), Table().begin() + 20);
    EXPECT_EQ(ContractScore("4H", "C", NorthSouth, 1, shortTable).Error, 0);
    EXPECT_EQ(ContractScore("5H", "C", NorthSouth, 1, shortTable).Error, ConversionError::ContractUnknown);
}
