#pragma once

#include <string>
#include <string_view>

namespace velk {

// Texts are UTF-8; widths and lengths count characters, not bytes.

// Prepends / appends `ch` (one character, possibly multi-byte) until the text is `width` long;
// a longer text is returned unchanged.
std::string PadLeft(std::string_view text, int width, std::string_view ch = " ");
std::string PadRight(std::string_view text, int width, std::string_view ch = " ");

// `n` copies of `ch`; empty for n <= 0.
std::string Repeat(std::string_view ch, int n);

// The first `n` characters at most.
std::string Truncate(std::string_view text, int n);

// The text without leading and trailing white space.
std::string_view Trim(std::string_view text);

// The part before the first `ch`; the whole text when `ch` is absent or the first character.
std::string UpTo(std::string_view text, char ch);

} // namespace velk
