#pragma once

#include <string_view>

namespace velk {

// The first character of the trimmed text, upper-cased; 0 for an empty text.
char FirstCharacterUpper(std::string_view text);

// The value of the digits the trimmed text starts with, capped so that huge inputs cannot
// overflow; -1 when it does not start with a digit.
int LeadingNumber(std::string_view text);

// The ordinal of a group letter ("A" = 1), 0 for anything else.
int GroupOrdinal(char upperLetter);

} // namespace velk
