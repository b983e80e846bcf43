#include "selection/SelectionText.h"

#include "core/TextHelpers.h"

namespace velk {

namespace {
// Larger than any count a box is compared with, small enough for an i16.
constexpr int kNumberCap = 9999;
} // namespace

char FirstCharacterUpper(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty())
        return 0;
    const char c = trimmed.front();
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int LeadingNumber(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() < '0' || trimmed.front() > '9')
        return -1;
    int value = 0;
    for (const char c : trimmed) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > kNumberCap)
            value = kNumberCap;
    }
    return value;
}

int GroupOrdinal(char upperLetter) {
    if (upperLetter < 'A' || upperLetter > 'Z')
        return 0;
    return upperLetter - 'A' + 1;
}

} // namespace velk
