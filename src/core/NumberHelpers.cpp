#include "core/NumberHelpers.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace velk {

namespace {

// [sign] digits [separator digits] [e [sign] digits], at least one mantissa digit; the value is
// read without regard to the C locale, which Qt sets from the environment.
std::optional<double> ParseDecimal(std::string_view s, char separator) {
    std::string normal;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            normal += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenSeparator = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            normal += c;
            ++mantissaDigits;
        } else if (c == separator && !seenSeparator) {
            normal += '.';
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            normal += s[i++];
        int exponentDigits = 0;
        for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i, ++exponentDigits)
            normal += s[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Rounds to `decimals` places; the small nudge keeps 2.675 (stored as 2.67499...) at 2.68, as typed.
double RoundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    return std::round(scaled * (1 + 4 * DBL_EPSILON)) / scale;
}

} // namespace

double ReadNumber(std::string_view text, int decimals, bool tellChange, Dialogs& dialogs,
                  ErrorCode& errorCode, char decimalSeparator) {
    std::string typed(text);
    if (Trim(typed).empty())
        return 0;
    const char other = decimalSeparator == ',' ? '.' : ',';
    if (typed.find(decimalSeparator) == std::string::npos) {
        const std::size_t p = typed.find(other);
        if (p != std::string::npos) {
            typed[p] = decimalSeparator;
            if (tellChange)
                dialogs.warning("Decimaalteken in " + std::string(text) + " gewijzigd");
        }
    }
    const auto value = ParseDecimal(Trim(typed), decimalSeparator);
    if (!value) {
        ShowError(dialogs, errorCode, std::string(text), ErrorMessage::InvalidNumber);
        return 0;
    }
    return decimals > 0 ? RoundTo(*value, decimals) : *value;
}

std::string FixedText(double value, int decimals, char decimalSeparator) {
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        return "0";
    // Twelve significant digits as a decimal digit string with its exponent, then rounded at the
    // wanted decimal on those digits, so a half rounds up as written.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.11e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p)))
            digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    // Place the digits so that integer digits come first: position of the decimal point.
    int pointAt = exponent + 1;
    if (pointAt <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - pointAt), '0');
        pointAt = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(pointAt + decimals);
    if (digits.size() < keep + 1)
        digits.append(keep + 1 - digits.size(), '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int k = static_cast<int>(keep) - 1;
        for (; k >= 0 && digits[static_cast<std::size_t>(k)] == '9'; --k)
            digits[static_cast<std::size_t>(k)] = '0';
        if (k >= 0) {
            ++digits[static_cast<std::size_t>(k)];
        } else {
            digits.insert(0, 1, '1');
            ++pointAt;
        }
    }
    std::string out = digits.substr(0, static_cast<std::size_t>(pointAt));
    if (decimals > 0)
        out += decimalSeparator + digits.substr(static_cast<std::size_t>(pointAt));
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !isZero)
        out.insert(0, 1, '-');
    return out;
}

int VisibleRows(int screenWidth, int pairsPerGroup) {
    const int rows = screenWidth > 1200 ? 64 : screenWidth > 1000 ? 32 : 24;
    return pairsPerGroup == 0 ? rows : Min(rows, pairsPerGroup);
}

} // namespace velk

namespace velk {

std::optional<int> ParseWholeNumber(std::string_view text) {
    const std::string t(Trim(text));
    if (t.empty())
        return std::nullopt;
    char* end = nullptr;
    const long v = std::strtol(t.c_str(), &end, 10);
    if (*end != '\0' || v < -100000 || v > 100000)
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace velk
