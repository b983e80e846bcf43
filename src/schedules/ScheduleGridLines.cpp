#include "schedules/ScheduleGridLines.h"

#include <algorithm>

namespace velk {

namespace {
std::string Row(const std::vector<std::string>& cells, const std::vector<int>& widths) {
    std::string line;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const auto width = static_cast<std::size_t>(std::max(1, widths[c]));
        std::string cell = c < cells.size() ? cells[c] : std::string();
        cell.resize(width, ' ');
        line += "|" + cell;
    }
    return line + "|";
}
} // namespace

std::vector<std::string> ScheduleGridLines(const std::vector<std::string>& header,
                                           const std::vector<int>& widths,
                                           const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> lines;
    lines.push_back(Row(header, widths));
    const std::string rule(lines.front().size(), '-');
    lines.push_back(rule);
    for (const auto& row : rows)
        lines.push_back(Row(row, widths));
    lines.push_back(rule);
    return lines;
}

} // namespace velk
