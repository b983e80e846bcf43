#pragma once

#include <filesystem>

namespace velk {

// The folder that holds the program's own files (data/, Schemas/, help/): the executable's folder
// when data/ stands beside it, else the source tree, so that a build runs without installing.
std::filesystem::path ProgramFolder();

// The folder of the four .dab tables.
std::filesystem::path DataFolder();

} // namespace velk
