#include "scoring/Plausibility.h"

#include "core/records/ScoreRecord.h"
#include "scoring/ConversionError.h"
#include "scoring/TypedScore.h"
#include "scoring/Vulnerability.h"

#include <cstdlib>

namespace velk {

namespace {
// The flag a class earns for a vulnerable or a non-vulnerable scoring side.
std::uint8_t FlagForClass(int scoreClass, bool vulnerable) {
    if (vulnerable) {
        if (scoreClass >= 2 && scoreClass <= 7)
            return ScoreFlag::Doubtful;
        if (scoreClass >= 8 && scoreClass <= 11)
            return ScoreFlag::Remarkable;
        return 0;
    }
    if (scoreClass == 2 || scoreClass == 10 || scoreClass == 14)
        return ScoreFlag::Remarkable;
    if (scoreClass == 8 || scoreClass == 12)
        return ScoreFlag::Doubtful;
    return 0;
}

// 50, 250 and 350 are only ever undertricks of an undoubled, non-vulnerable declarer: the side
// that did not score.
bool OnlyNonVulnerableUndertricks(int magnitude) {
    return magnitude == 50 || magnitude == 250 || magnitude == 350;
}

Plausibility
CheckBridgeScore(int score, int side, int board,
                 const std::optional<std::array<std::uint8_t, ScoreTables::ScoreClassCount>>& classes) {
    Plausibility out;
    if (score % 10 != 0) {
        out.Error = ConversionError::NotPossible;
        return out;
    }
    if (!classes)
        return out;
    const int scoreClass = ScoreClassOf(*classes, score);
    if (scoreClass == 0) {
        out.Error = ConversionError::NotPossible;
        return out;
    }
    const int scorer = score >= 0 ? side : 1 - side;
    out.Flags = FlagForClass(scoreClass, IsVulnerable(board, scorer));
    if (OnlyNonVulnerableUndertricks(std::abs(score)) && IsVulnerable(board, 1 - scorer))
        out.Flags = ScoreFlag::Doubtful;
    return out;
}
} // namespace

Plausibility
CheckPlausible(char code, int score, int side, int board, int groupPairs,
               const std::optional<std::array<std::uint8_t, ScoreTables::ScoreClassCount>>& classes) {
    Plausibility out;
    const int top = groupPairs - 2;
    switch (code) {
    case 'E':
    case 'F':
    case 'G':
    case 'H':
    case 'N':
        return CheckBridgeScore(score, side, board, classes);
    case 'A':
    case 'B':
    case 'S':
        if (score < 0 || score > 100)
            out.Error = ConversionError::NotPossible;
        else if (top > 0 && score * top > kLargestFixedHundredths)
            out.Error = ConversionError::FixedOutOfRange;
        return out;
    case 'L':
    case 'M':
        // Compared in tenths, so that 3.5 is more than a top of 3.
        if (score < 0 || score > top * 10)
            out.Error = ConversionError::NotPossible;
        else if (score * 10 > kLargestFixedHundredths)
            out.Error = ConversionError::FixedOutOfRange;
        return out;
    default:
        return out;
    }
}

} // namespace velk
