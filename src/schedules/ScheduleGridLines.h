#pragma once

#include <string>
#include <vector>

namespace velk {

// The schedule grid as printed: the header row, a rule, every row with "|" before each column and
// after the last, and a closing rule. Each cell is cut or padded to its column's width in
// characters.
std::vector<std::string> ScheduleGridLines(const std::vector<std::string>& header,
                                           const std::vector<int>& widths,
                                           const std::vector<std::vector<std::string>>& rows);

} // namespace velk
