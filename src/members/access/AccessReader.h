#pragma once

#include "members/AccessTable.h"

#include <string>

namespace velk {

// Reads a whole table of an Access (Jet) database. Shows nothing; `out` is untouched unless Ok.
AccessRead ReadAccessTable(const std::string& path, const std::string& table, AccessTable& out);

} // namespace velk
