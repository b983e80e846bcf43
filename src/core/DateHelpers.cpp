#include "core/DateHelpers.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace velk {

namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(),
                                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::vector<std::string_view> SplitOnDash(std::string_view s) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = s.find('-', start);
        parts.push_back(s.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start));
        if (p == std::string_view::npos)
            return parts;
        start = p + 1;
    }
}

int ToInt(std::string_view digits) {
    int v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

// A two-digit year lies in the hundred years starting fifty years before today.
int WindowedYear(int twoDigits, int currentYear) {
    const int base = currentYear - 50;
    int year = base / 100 * 100 + twoDigits;
    if (year < base)
        year += 100;
    return year;
}

std::string TwoDigits(int v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", v);
    return buffer;
}

} // namespace

bool IsValidDate(const Date& d) {
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int days = d.month == 2 && leap ? 29 : kDays[d.month - 1];
    return d.day <= days;
}

std::string FormatDate(const Date& d) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", d.day, d.month, d.year);
    return buffer;
}

std::string TodayText(const Clock& clock) {
    const DateTime now = clock.now();
    return FormatDate(Date{now.day, now.month, now.year});
}

std::optional<Date> ParseDate(std::string_view text, const DateTime& today) {
    const auto parts = SplitOnDash(Trim(text));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    for (std::size_t i = 0; i < 2; ++i)
        if (!AllDigits(parts[i]) || parts[i].size() > 2)
            return std::nullopt;
    Date d{ToInt(parts[0]), ToInt(parts[1]), today.year};
    if (parts.size() == 3) {
        const std::string_view y = parts[2];
        if (!AllDigits(y) || (y.size() != 2 && y.size() != 4))
            return std::nullopt;
        d.year = y.size() == 2 ? WindowedYear(ToInt(y), today.year) : ToInt(y);
    }
    if (!IsValidDate(d))
        return std::nullopt;
    return d;
}

std::optional<std::string> CompleteDate(std::string_view text, const Clock& clock, Dialogs& dialogs,
                                        ErrorCode& errorCode) {
    const DateTime now = clock.now();
    const std::string typed(Trim(text));
    std::string completed = typed;
    if (AllDigits(typed)) {
        const std::string thisMonth = TwoDigits(now.month);
        const std::string thisYear = std::to_string(now.year);
        switch (typed.size()) {
        case 1:
        case 2:
            completed = typed + "-" + thisMonth + "-" + thisYear;
            break;
        case 4:
            completed = typed.substr(0, 2) + "-" + typed.substr(2) + "-" + thisYear;
            break;
        case 6:
        case 8:
            completed = typed.substr(0, 2) + "-" + typed.substr(2, 2) + "-" + typed.substr(4);
            break;
        default:
            break;
        }
    }
    if (!ParseDate(completed, now)) {
        ShowFileError(dialogs, errorCode, std::string(text), FileError::InvalidDate, Hint::CorrectInput);
        return std::nullopt;
    }
    return completed;
}

} // namespace velk
