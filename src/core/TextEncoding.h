#pragma once

#include <string>
#include <string_view>

namespace velk {

// Texts live in memory as UTF-8 and on file as Windows-1252; these are the only conversions.
// Characters that Windows-1252 cannot hold are written as '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

// Decodes the code point at `i` of a UTF-8 text and moves `i` past it; a malformed sequence
// yields U+FFFD and one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);

// Whether `bytes` are UTF-8 throughout: no malformed or overlong sequence, no surrogate.
bool IsValidUtf8(std::string_view bytes);

// The text of a file that may be either: UTF-8 when the bytes are valid UTF-8 (a byte-order mark
// dropped), else Windows-1252.
std::string TextFileToUtf8(std::string_view bytes);

// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string Utf8Left(std::string_view utf8, std::size_t n);

} // namespace velk
