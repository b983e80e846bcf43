#pragma once

#include "scoring/ScoreCode.h"
#include "scoring/ScoreTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velk {

// The mark of a slot without a value.
inline constexpr int kNoMatchPoints = -10000;

// How a record gets its match points, by its code.
enum class RecordClass { Normal, Fragment, FixedPercentage, FixedPoints, None };
constexpr RecordClass ClassOfCodeSwitch(int code) {
    switch (code) {
    case ScoreCode::Normal:
    case ScoreCode::Bridge:
        return RecordClass::Normal;
    case ScoreCode::Fragment1:
    case ScoreCode::Fragment2:
    case ScoreCode::Fragment3:
        return RecordClass::Fragment;
    case ScoreCode::Percentage:
    case ScoreCode::PercentageOnce:
    case ScoreCode::Absent:
    case ScoreCode::ZeroPercentage:
        return RecordClass::FixedPercentage;
    case ScoreCode::Tenths:
    case ScoreCode::TenthsOnce:
    case ScoreCode::TenthsI:
    case ScoreCode::TenthsIOnce:
    case ScoreCode::MatchPointsOnce:
    case ScoreCode::MatchPoints:
        return RecordClass::FixedPoints;
    default:
        return RecordClass::None;
    }
}

// Every record of a board asks it, several times: a table lookup instead of the switch.
inline constexpr auto kClassOfCode = [] {
    std::array<RecordClass, 256> table{};
    for (int code = 0; code < 256; ++code)
        table[static_cast<std::size_t>(code)] = ClassOfCodeSwitch(code);
    return table;
}();
inline RecordClass ClassOfCode(int code) {
    return static_cast<unsigned>(code) < kClassOfCode.size() ? kClassOfCode[static_cast<std::size_t>(code)]
                                                             : RecordClass::None;
}

// The side a record is counted on: the seat it had (bit 3 turned back by bit 0).
inline int CountingSide(std::uint8_t flags) {
    return ((flags >> 3) ^ flags) & 1;
}
// The side a record is compared on: bit 3 alone.
inline int ComparisonSide(std::uint8_t flags) {
    return (flags >> 3) & 1;
}

// Percentages of the top for boards with two or three comparable results (Neuberg on).
inline constexpr std::array<int, 3> Frag2 = {55, 60, 65};
inline constexpr std::array<int, 5> Frag3 = {50, 55, 60, 65, 70};

// Compared results of one side of a board, by class. The side's results as a whole are the tables
// in play, top / 2 + 1, whatever was typed or coded.
struct SideCounts {
    int NormalCount = 0;
    std::array<int, 3> FragCount{}; // 'F', 'G', 'H'
};

// A working value while a board is computed. A fixed result is kept apart from a compared one
// with its full magnitude and sign (a bit tag would limit it to 8191 hundredths, which a top
// above 81 already exceeds).
struct WorkingValue {
    enum class Kind { Empty, Compared, Fixed };
    Kind kind = Kind::Empty;
    // Compared: the raw score, the IMPs ("Cross Imp") or the tenths of IMPs ("Butler").
    // Fixed: hundredths of a match point, or tenths of an IMP in "Butler".
    int value = 0;

    static WorkingValue Compared(int v) { return {Kind::Compared, v}; }
    static WorkingValue Fixed(int v) { return {Kind::Fixed, v}; }
};

// What finishing a value needs to know of the board.
struct FinishContext {
    int scoringMode = 0;
    int neubergMode = 0;
    int top = 0;
    int own = 0; // results compared with this one, itself included
};

// Hundredths to tenths, rounding towards the average with Neuberg on.
int RoundToTenths(int hundredths, bool neuberg, int top);

// A working value as match points in tenths (IMPs in tenths in "Butler" and "Cross Imp").
int FinishValue(const WorkingValue& value, const FinishContext& context);
// The same of a compared value (a raw score, or IMPs in "Cross Imp"), the mode not "Butler".
int FinishCompared(int value, const FinishContext& context);
// FinishCompared of the raw scores 0..count-1 of one side into `out`: the same values, with the
// division of the common case replaced by a running quotient.
void FinishComparedRun(const FinishContext& context, int count, int* out);

// The datum of a side: the trimmed average of its scores, rounded to tens; nullopt without scores.
std::optional<int>
ButlerDatum(std::vector<int> scores,
            const std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>& drops);
// The same of scores already in ascending order.
std::optional<int>
ButlerDatumOfSorted(const std::vector<int>& sorted,
                    const std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>& drops);

// The arbitral value of a percentage in an IMP form (clamped to 0..100); 0 without the table.
int ArbitralImpValue(const ScoreTables& tables, int percentage, int scoringMode);

} // namespace velk
