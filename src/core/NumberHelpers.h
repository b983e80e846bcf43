#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"

#include <optional>
#include <string>
#include <string_view>

namespace velk {

// The decimal separator of the system the program runs on. The club's program runs with Dutch
// settings, so texts are read and written with a comma; a point typed instead is accepted.
inline constexpr char kSystemDecimalSeparator = ',';

// The decimal point of the printed lists. A window that shows the numbers of a list (points,
// percentages, corrections) writes them the same way, so that one evening reads alike everywhere.
inline constexpr char kListDecimalSeparator = '.';

constexpr int Min(int a, int b) {
    return a < b ? a : b;
}
constexpr int Max(int a, int b) {
    return a > b ? a : b;
}

// A number typed by the user. When the text lacks `decimalSeparator` but holds the other of "."
// and ",", that one is taken as the separator (with `tellChange` the user is told). A text that is
// no number is reported (error 39) and gives 0; an empty text gives 0. With `decimals` > 0 the
// value is rounded to that many decimals, halves away from zero.
double ReadNumber(std::string_view text, int decimals, bool tellChange, Dialogs& dialogs,
                  ErrorCode& errorCode, char decimalSeparator = kSystemDecimalSeparator);

// A whole number typed in a box (surrounding blanks allowed); nothing when the text is not one or
// lies outside +-100000.
std::optional<int> ParseWholeNumber(std::string_view text);

// The value rounded to 12 significant digits and written with exactly `decimals` decimals
// (halves away from zero), e.g. FixedText(52.125, 2) is "52,13".
std::string FixedText(double value, int decimals, char decimalSeparator = kSystemDecimalSeparator);

// The list position before the first pair of group g.
constexpr int GroupBase(int g, int pairsPerGroup) {
    return (g - 1) * pairsPerGroup;
}

// The index before the first table of `round` of `group` in the session schedule; 0 while no
// session is selected.
constexpr int ScheduleIndex(int round, int group, int roundCount, int tablesPerGroup, bool sessionSelected) {
    return sessionSelected ? ((group - 1) * roundCount + round - 1) * tablesPerGroup : 0;
}

// Grid rows shown at once: 64 on screens wider than 1200 pixels, 32 wider than 1000, else 24;
// never more than the pairs of a group (when that is known).
int VisibleRows(int screenWidth, int pairsPerGroup);

} // namespace velk
