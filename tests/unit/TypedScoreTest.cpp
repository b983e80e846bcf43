#include "scoring/TypedScore.h"

#include "core/ProgramFolder.h"
#include "scoring/ConversionError.h"
#include "scoring/Plausibility.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreComplement.h"
#include "scoring/ScoreFormat.h"
#include "scoring/ScoreMessages.h"
#include "scoring/Vulnerability.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace velk;

namespace {
TScoreObj Stored(char code, int score, std::uint8_t flags = 0) {
    TScoreObj r;
    r.Code = CodeOf(code);
    r.Score = static_cast<std::int16_t>(score);
    r.Flags = flags;
    return r;
}

const auto& Classes() {
    static const auto classes = [] {
        std::ifstream in(DataFolder() / "Scores.dab", std::ios::binary);
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return ParseScoreClasses(bytes);
    }();
    return classes;
}

Plausibility Check(int score, int board, int side = NorthSouth) {
    return CheckPlausible('N', score, side, board, 12, Classes());
}
} // namespace

TEST(TypedScore, NormalScores) {
    const auto s = ParseTypedScore(" 420 ");
    EXPECT_EQ(s.Code, 'N');
    EXPECT_EQ(s.Score, 420);
    EXPECT_EQ(s.Error, 0);
    EXPECT_EQ(ParseTypedScore("-50").Score, -50);
    EXPECT_EQ(ParseTypedScore("+110").Score, 110);
    EXPECT_EQ(ParseTypedScore("42", true).Score, 420);
    EXPECT_EQ(ParseTypedScore("-5", true).Score, -50);
    EXPECT_EQ(ParseTypedScore("4200", true).Error, ConversionError::NotANumber); // 42000 is no score
    EXPECT_EQ(ParseTypedScore("40000").Error, ConversionError::NotANumber);
    EXPECT_EQ(ParseTypedScore("4 20").Error, ConversionError::NotANumber);
    EXPECT_EQ(ParseTypedScore("N420").Error, ConversionError::NotANumber);
    EXPECT_EQ(ParseTypedScore("").Code, '@');
}

TEST(TypedScore, MarksSetTheFlagAndLeaveTheValue) {
    EXPECT_EQ(ParseTypedScore("420!").Flags, ScoreFlag::Remarkable);
    EXPECT_EQ(ParseTypedScore("420!").Score, 420);
    EXPECT_EQ(ParseTypedScore("420?").Flags, ScoreFlag::Doubtful);
    EXPECT_EQ(ParseTypedScore("!420?").Flags, ScoreFlag::Doubtful); // "?" is tested after "!"
    EXPECT_EQ(ParseTypedScore("?420$").Flags, ScoreFlag::NotComplement);
    EXPECT_EQ(ParseTypedScore("A60%!").Score, 60);
    EXPECT_EQ(ParseTypedScore("A60%!").Flags, ScoreFlag::Remarkable);
}

TEST(TypedScore, CodeLetters) {
    const auto a = ParseTypedScore("a60%");
    EXPECT_EQ(a.Code, 'A');
    EXPECT_EQ(a.Score, 60);
    EXPECT_EQ(ParseTypedScore("B45%").Code, 'B');
    EXPECT_EQ(ParseTypedScore("B45%").Score, 45);
    EXPECT_EQ(ParseTypedScore("A60").Score, 60); // the closing sign may be left out
    EXPECT_EQ(ParseTypedScore("S0%").Code, 'S');
    EXPECT_EQ(ParseTypedScore("A%").Error, ConversionError::NotANumber);

    const auto m = ParseTypedScore("M3.5");
    EXPECT_EQ(m.Code, 'M');
    EXPECT_EQ(m.Score, 35);
    EXPECT_EQ(ParseTypedScore("L4,25").Score, 43);
    EXPECT_EQ(ParseTypedScore("L7").Score, 70);
    EXPECT_EQ(ParseTypedScore("Mx").Error, ConversionError::NotADecimal);

    EXPECT_EQ(ParseTypedScore("O").Code, 'O');
    EXPECT_EQ(ParseTypedScore("O").Score, 0);
    EXPECT_EQ(ParseTypedScore("@").Code, '@');
    EXPECT_EQ(ParseTypedScore("Z").Code, '@');
    EXPECT_EQ(ParseTypedScore("Z").Error, 0);
    // Codes C ... K are never typed: the letter makes the number unreadable.
    for (const char* typed : {"C12", "D5", "E420", "F100", "G1", "H2", "I3", "J4"}) {
        EXPECT_EQ(ParseTypedScore(typed).Error, ConversionError::NotANumber) << typed;
        EXPECT_EQ(ParseTypedScore(typed).Code, typed[0]) << typed;
    }
    EXPECT_EQ(ParseTypedScore("K5").Code, '@');
    EXPECT_EQ(ParseTypedScore("K5").Error, ConversionError::NotANumber);
}

TEST(TypedScore, FixedValuesAreTakenUpToWhatTheCalculationHolds) {
    // Above the old 13-bit limit of 81.9 match points: the calculation holds them at full size.
    EXPECT_EQ(ParseTypedScore("M81.9").Error, 0);
    EXPECT_EQ(ParseTypedScore("M82").Error, 0);
    EXPECT_EQ(ParseTypedScore("M82").Score, 820);
    EXPECT_EQ(ParseTypedScore("M3276.7").Error, 0);
    EXPECT_EQ(ParseTypedScore("L-1").Error, ConversionError::FixedOutOfRange);
    EXPECT_EQ(ParseTypedScore("A-5%").Error, ConversionError::FixedOutOfRange);
    EXPECT_EQ(ScoreMessage(ConversionError::FixedOutOfRange),
              "Arbitrale score negatief of groter dan 3276,7 matchpunten ");
    // A percentage of a top above 81 match points.
    EXPECT_EQ(CheckPlausible('A', 100, NorthSouth, 1, 84, Classes()).Error, 0);
    EXPECT_EQ(CheckPlausible('A', 100, NorthSouth, 1, 512, Classes()).Error, 0);
    EXPECT_EQ(CheckPlausible('M', 820, NorthSouth, 1, 84, Classes()).Error, 0);
    EXPECT_EQ(CheckPlausible('M', 821, NorthSouth, 1, 84, Classes()).Error, ConversionError::NotPossible);
}

TEST(Complement, ByCode) {
    TScoreObj opponent;
    ASSERT_TRUE(ComplementScore(Stored('A', 60), opponent, 12));
    EXPECT_EQ(opponent.Code, CodeOf('A'));
    EXPECT_EQ(opponent.Score, 40);
    EXPECT_EQ(FormatScore(opponent), "A40%");

    opponent = {};
    ASSERT_TRUE(ComplementScore(Stored('M', 35), opponent, 12));
    EXPECT_EQ(opponent.Score, 65);

    opponent = {};
    ASSERT_TRUE(ComplementScore(Stored('N', 420), opponent, 12));
    EXPECT_EQ(opponent.Score, -420);
    EXPECT_EQ(opponent.Flags, ScoreFlag::EastWest);

    // B, D, J and L only fill an empty record.
    opponent = Stored('N', -420);
    for (char code : {'B', 'D', 'J', 'L'})
        EXPECT_FALSE(ComplementScore(Stored(code, 30), opponent, 12)) << code;
    EXPECT_EQ(opponent.Score, -420);
    opponent = {};
    ASSERT_TRUE(ComplementScore(Stored('L', 35), opponent, 12));
    EXPECT_EQ(opponent.Score, 65);

    for (char code : {'E', 'K', 'O', 'S'})
        EXPECT_FALSE(ComplementScore(Stored(code, 0), opponent, 12)) << code;
    EXPECT_FALSE(ComplementScore(Stored('A', 120), opponent, 12));
    EXPECT_FALSE(ComplementScore(Stored('@', 5), opponent, 12));
    EXPECT_TRUE(ComplementScore(Stored('@', 0), opponent, 12));
    for (char code : {'C', 'F', 'G', 'H', 'I'}) {
        ASSERT_TRUE(ComplementScore(Stored(code, 25), opponent, 12));
        EXPECT_EQ(opponent.Score, -25);
    }
}

TEST(Complement, FlagsAndProtectedRecords) {
    TScoreObj opponent;
    ComplementScore(Stored('N', 420, ScoreFlag::Remarkable), opponent, 12);
    EXPECT_EQ(opponent.Flags, ScoreFlag::Remarkable | ScoreFlag::EastWest);
    // Entered for East-West, the North-South record does not become an East-West one.
    TScoreObj northSouth;
    ComplementScore(Stored('N', -420, ScoreFlag::EastWest), northSouth, 12);
    EXPECT_EQ(northSouth.Flags, 0);
    EXPECT_EQ(northSouth.Score, 420);

    TScoreObj marked = Stored('N', 100, ScoreFlag::NotComplement);
    EXPECT_FALSE(ComplementScore(Stored('N', 420), marked, 12));
    EXPECT_EQ(marked.Score, 100);
}

TEST(FormatScore, ByCode) {
    EXPECT_EQ(FormatScore(Stored('@', 0)), "");
    EXPECT_EQ(FormatScore(Stored('A', 60)), "A60%");
    EXPECT_EQ(FormatScore(Stored('B', 5)), "B5%");
    EXPECT_EQ(FormatScore(Stored('E', 420)), "E 420");
    EXPECT_EQ(FormatScore(Stored('F', -50)), "F -50");
    EXPECT_EQ(FormatScore(Stored('N', 50)), "  50");
    EXPECT_EQ(FormatScore(Stored('N', 1430)), "1430");
    EXPECT_EQ(FormatScore(Stored('K', 7)), "   7");
    EXPECT_EQ(FormatScore(Stored('M', 35)), "3.5M");
    EXPECT_EQ(FormatScore(Stored('L', 120)), "12.0L");
    EXPECT_EQ(FormatScore(Stored('O', 0)), "O");
    EXPECT_EQ(FormatScore(Stored('S', 0)), "S0%");
    EXPECT_EQ(FormatScore(Stored('C', 45)), " 45C");
    EXPECT_EQ(FormatScore(Stored('J', 45), false, true), "4.5J");
    EXPECT_EQ(FormatScore(Stored('N', 420, ScoreFlag::Remarkable)), " 420!");
    EXPECT_EQ(FormatScore(Stored('N', 420, ScoreFlag::Doubtful), true), "  42?");
    EXPECT_EQ(FormatScore(Stored('A', 60, ScoreFlag::Doubtful | ScoreFlag::Remarkable)), "A60%!?");
}

TEST(Plausibility, AgainstTheClassTable) {
    ASSERT_TRUE(Classes().has_value());
    // Board 1 nobody vulnerable, board 4 both, board 2 North-South.
    EXPECT_EQ(Check(420, 1).Flags, 0);
    EXPECT_EQ(Check(420, 4).Flags, ScoreFlag::Doubtful); // only a non-vulnerable game
    EXPECT_EQ(Check(620, 4).Flags, 0);
    EXPECT_EQ(Check(620, 1).Flags, ScoreFlag::Doubtful);
    EXPECT_EQ(Check(-620, 2, EastWest).Flags, 0); // North-South scored, vulnerable
    EXPECT_EQ(Check(-620, 2, NorthSouth).Flags, ScoreFlag::Doubtful);
    EXPECT_EQ(Check(1050, 4).Flags, 0);                     // 5SX+1: doubled, one overtrick
    EXPECT_EQ(Check(1080, 4).Flags, ScoreFlag::Remarkable); // 4HXX made: possible, not normal
    EXPECT_EQ(Check(1250, 1).Flags, ScoreFlag::Doubtful);   // only a vulnerable result
    EXPECT_EQ(Check(660, 1).Flags, ScoreFlag::Remarkable);  // never undoubled when not vulnerable
    EXPECT_EQ(Check(0, 1).Flags, 0);
    EXPECT_EQ(Check(800, 1).Flags, 0);

    EXPECT_EQ(Check(425, 1).Error, ConversionError::NotPossible);
    EXPECT_EQ(Check(5190, 1).Error, ConversionError::NotPossible);
    EXPECT_EQ(Check(5300, 1).Error, ConversionError::NotPossible); // beyond the table
    EXPECT_EQ(Check(5200, 1).Error, 0);
}

TEST(Plausibility, UndertricksOfANonVulnerableDeclarer) {
    // +50 for North-South: East-West went one down, which they cannot do vulnerable undoubled.
    EXPECT_EQ(Check(50, 1).Flags, 0);
    EXPECT_EQ(Check(50, 4).Flags, ScoreFlag::Doubtful);
    EXPECT_EQ(Check(50, 3).Flags, ScoreFlag::Doubtful); // board 3: East-West vulnerable
    EXPECT_EQ(Check(50, 2).Flags, 0);                   // board 2: only North-South vulnerable
    EXPECT_EQ(Check(-250, 2).Flags, ScoreFlag::Doubtful);
    EXPECT_EQ(Check(-350, 3).Flags, ScoreFlag::Remarkable);
}

TEST(Plausibility, FixedScores) {
    EXPECT_EQ(CheckPlausible('A', 101, NorthSouth, 1, 12, Classes()).Error, ConversionError::NotPossible);
    EXPECT_EQ(CheckPlausible('S', 0, NorthSouth, 1, 12, Classes()).Error, 0);
    EXPECT_EQ(CheckPlausible('M', 100, NorthSouth, 1, 12, Classes()).Error, 0);
    EXPECT_EQ(CheckPlausible('M', 101, NorthSouth, 1, 12, Classes()).Error, ConversionError::NotPossible);
    EXPECT_EQ(CheckPlausible('L', 35, NorthSouth, 1, 5, Classes()).Error, ConversionError::NotPossible);
    EXPECT_EQ(CheckPlausible('N', 425, NorthSouth, 1, 12, std::nullopt).Error, ConversionError::NotPossible);
    EXPECT_EQ(CheckPlausible('N', 5310, NorthSouth, 1, 12, std::nullopt).Error, 0); // no table: no classes
}

TEST(Vulnerability, ByBoard) {
    const int expected[] = {1, 2, 3, 4, 2, 3, 4, 1, 3, 4, 1, 2, 4, 1, 2, 3};
    for (int board = 1; board <= 16; ++board) {
        EXPECT_EQ(BoardVulnerability(board), expected[board - 1]) << board;
        const int v = expected[board - 1];
        EXPECT_EQ(IsVulnerable(board, NorthSouth), v == 2 || v == 4) << board;
        EXPECT_EQ(IsVulnerable(board, EastWest), v == 3 || v == 4) << board;
    }
    EXPECT_EQ(BoardVulnerability(17), 1);
    EXPECT_EQ(BoardVulnerability(36), 4);
    EXPECT_EQ(VulnerabilityText(1), "Niemand Kwetsbaar");
    EXPECT_EQ(VulnerabilityText(2), "NZ Kwetsbaar     ");
    EXPECT_EQ(VulnerabilityText(3), "OW Kwetsbaar     ");
    EXPECT_EQ(VulnerabilityText(4), "Allen Kwetsbaar  ");
}
