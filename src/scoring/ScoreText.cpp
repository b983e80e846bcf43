#include "scoring/ScoreText.h"

#include <cctype>

namespace velk::scoring {

namespace {
constexpr int kLargestMagnitude = 32767;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::string UpperTrimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLargestMagnitude)
            return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> ParseTenths(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long whole = 0;
    int digits = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > kLargestMagnitude)
            return std::nullopt;
    }
    long hundredths = 0; // the first two decimals, for rounding to tenths
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        int place = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++digits, ++place)
            if (place < 2)
                hundredths += (text[i] - '0') * (place == 0 ? 10 : 1);
    }
    if (i != text.size() || digits == 0)
        return std::nullopt;
    const long tenths = whole * 10 + (hundredths + 5) / 10;
    if (tenths > kLargestMagnitude)
        return std::nullopt;
    return static_cast<int>(negative ? -tenths : tenths);
}

} // namespace velk::scoring
