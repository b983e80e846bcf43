#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <array>
#include <optional>
#include <string>

namespace velk {

// The fields of the count dialogs, in the order Tab confirms them.
enum class CountField : int { Pairs = 0, Tables = 1, Rounds = 2, BoardGroups = 3 };

// "Free", "Mtplx", ... as the dialogs list them; the index of `text`, 0 when it matches none.
extern const std::array<const char*, 5> kScheduleTypeShortNames;
int ScheduleTypeIndex(const std::string& text);

// Checks one typed count: empty, 0 or not a number, or above its limit, is shown as
// "Aantal foutief \r" + the reason + " " (an invalid value, with a beep). The value when correct.
std::optional<int> CheckCount(CountField field, const std::string& text, Dialogs& dialogs,
                              ErrorCode& errorCode);

// "Volgende" of "Schema gegevens": every field in order, stopping at the first wrong one
// (returned for the focus). Then, with a session selected, fewer boards than rounds x boards per
// round asks whether to go on; No keeps the dialog open (returns Rounds as the field to stay on).
struct CountsResult {
    std::optional<CountField> WrongField;
    bool Accepted = false;
    ScheduleCounts Counts;
};
CountsResult CheckScheduleCounts(const std::array<std::string, 4>& texts, const Club& club, Dialogs& dialogs,
                                 ErrorCode& errorCode);

// "Schema gegevens" of renumbering: only the first two characters of the pairs box count.
std::optional<int> CheckRenumberPairs(const std::string& text, Dialogs& dialogs, ErrorCode& errorCode);

} // namespace velk
