#include "reports/ReportFields.h"

#include "core/NumberHelpers.h"
#include "core/TextHelpers.h"

namespace velk {

std::string IntField(long long value, int width) {
    return PadLeft(std::to_string(value), width);
}

std::string FixedField(double value, int width, int decimals) {
    return PadLeft(FixedText(value, decimals, kListDecimalSeparator), width);
}

std::string TextField(std::string_view text, int width) {
    return PadRight(Truncate(text, width), width);
}

std::string RightField(std::string_view text, int width) {
    return PadLeft(text, width);
}

} // namespace velk
