#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/ErrorCode.h"

#include <optional>
#include <string>
#include <string_view>

namespace velk {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2000;
    bool operator==(const Date&) const = default;
};

bool IsValidDate(const Date& date);

// "dd-mm-yyyy": day and month always with two digits.
std::string FormatDate(const Date& date);

// The date of today as "dd-mm-yyyy".
std::string TodayText(const Clock& clock);

// A day-month-year text with "-" separators: "d-m-yyyy", "d-m-yy" (the two-digit year taken within
// the fifty years either side of `today`) or "d-m" (the year of `today`). Day and month have one
// or two digits. Surrounding spaces are allowed; anything else, or a day that does not exist, is
// no date.
std::optional<Date> ParseDate(std::string_view text, const DateTime& today);

// Completes a date typed without separators: one or two digits are the day of the current month
// and year; four digits are day and month of the current year; six or eight digits are day, month
// and year. A text that still is no date is reported (" is geen geldige datum") and gives nothing.
// The result always carries a year, so it converts on any later day too.
std::optional<std::string> CompleteDate(std::string_view text, const Clock& clock, Dialogs& dialogs,
                                        ErrorCode& errorCode);

} // namespace velk
