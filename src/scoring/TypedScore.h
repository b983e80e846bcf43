#pragma once

#include <cstdint>
#include <string_view>

namespace velk {

// A typed score, converted.
struct TypedScore {
    std::int16_t Score = 0; // the score, or the value of a coded score (percent, tenths)
    char Code = '@';
    std::uint8_t Flags = 0; // ScoreFlag::Remarkable, Doubtful or NotComplement from ! ? $
    int Error = 0;          // ConversionError
};

// Converts a typed score: a bridge score ("420", "-50"), or a code letter with its value ("A60%",
// "M3.5", "O", "S0%"). With `shortNotation` a bridge score is typed in tens (42 for 420).
TypedScore ParseTypedScore(std::string_view text, bool shortNotation = false);

// The largest value of a fixed result, in hundredths of a match point, that the match-point
// calculation can carry: it keeps fixed values apart at full size, so the bound is the record's
// 16-bit score in tenths.
inline constexpr int kLargestFixedHundredths = 32767 * 10;

} // namespace velk
