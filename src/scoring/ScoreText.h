#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velk::scoring {

// Small text helpers of the conversions. Score texts are plain ASCII; other characters pass
// through unchanged and simply fail to convert.

std::string UpperTrimmed(std::string_view text);

// A whole number with an optional sign that fits a 16-bit score, or nullopt.
std::optional<int> ParseWholeNumber(std::string_view text);

// A decimal number ("3.5" or "3,5", optional sign) in tenths, rounded half away from zero; or
// nullopt. More than a 16-bit score in tenths is refused too.
std::optional<int> ParseTenths(std::string_view text);

} // namespace velk::scoring
