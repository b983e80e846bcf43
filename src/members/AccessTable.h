#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velk {

// How reading a table of an Access database ended.
enum class AccessRead { Ok, CannotOpen, NoTable };

// One table of an Access database as read: column names and every row's values as UTF-8 texts
// (an empty value or NULL has no value). Yes/no columns hold "1" or "0", dates "yyyy-mm-dd".
struct AccessTable {
    std::vector<std::string> Columns;
    std::vector<std::vector<std::optional<std::string>>> Rows;

    // The position of a column by name, compared without regard to case; -1 when absent.
    int column(const std::string& name) const;
    // The text of a row's column, empty for NULL or an absent column.
    std::string text(std::size_t row, int column) const;
};

} // namespace velk
