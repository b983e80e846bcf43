#include "scoring/ScoreFormat.h"

#include "scoring/ScoreCode.h"

#include <cstdio>

namespace velk {

namespace {
template <typename... Values> std::string Printed(const char* format, Values... values) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string Tenths(int value) {
    return Printed("%.1f", value / 10.0);
}
} // namespace

std::string FormatScore(const TScoreObj& record, bool shortNotation, bool oneDecimal) {
    const int v = record.Score;
    const char letter = CodeLetter(record.Code);
    std::string text;
    switch (record.Code) {
    case ScoreCode::None:
        return text;
    case ScoreCode::Percentage:
    case ScoreCode::PercentageOnce:
        text = Printed("%c%d%%", letter, v);
        break;
    case ScoreCode::Normal:
    case ScoreCode::Fragment1:
    case ScoreCode::Fragment2:
    case ScoreCode::Fragment3:
        text = Printed("%c%4d", letter, v);
        break;
    case ScoreCode::Bridge:
        text = Printed("%4d", shortNotation ? v / 10 : v);
        break;
    case ScoreCode::Number:
        text = Printed("%4d", v);
        break;
    case ScoreCode::MatchPointsOnce:
    case ScoreCode::MatchPoints:
        text = Tenths(v) + letter;
        break;
    case ScoreCode::Absent:
        text = "O";
        break;
    case ScoreCode::ZeroPercentage:
        text = "S0%";
        break;
    default:
        text = (oneDecimal ? Tenths(v) : Printed("%3d", v)) + letter;
        break;
    }
    if (record.Flags & ScoreFlag::Remarkable)
        text += '!';
    if (record.Flags & ScoreFlag::Doubtful)
        text += '?';
    if (record.Flags & ScoreFlag::NotComplement)
        text += '$';
    return text;
}

} // namespace velk
