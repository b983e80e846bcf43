#pragma once

#include <string>
#include <string_view>

namespace velk {

// Fixed-width fields of the lists. Numbers are right-aligned in at least `width` characters and
// written with a decimal point, as the lists have always been printed; a wider value is not cut.
std::string IntField(long long value, int width);
std::string FixedField(double value, int width, int decimals);
// A text left-aligned: cut or padded with blanks to exactly `width` characters.
std::string TextField(std::string_view text, int width);
// A text right-aligned in at least `width` characters.
std::string RightField(std::string_view text, int width);

} // namespace velk
