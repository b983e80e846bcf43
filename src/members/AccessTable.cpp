#include "members/AccessTable.h"

#include <algorithm>
#include <cctype>

namespace velk {

int AccessTable::column(const std::string& name) const {
    auto same = [&name](const std::string& other) {
        return std::equal(name.begin(), name.end(), other.begin(), other.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto it = std::find_if(Columns.begin(), Columns.end(), same);
    return it == Columns.end() ? -1 : static_cast<int>(it - Columns.begin());
}

std::string AccessTable::text(std::size_t row, int column) const {
    if (row >= Rows.size() || column < 0 || static_cast<std::size_t>(column) >= Rows[row].size())
        return {};
    return Rows[row][static_cast<std::size_t>(column)].value_or(std::string());
}

} // namespace velk
