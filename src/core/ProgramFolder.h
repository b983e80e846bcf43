#pragma once

#include <filesystem>
#include <vector>

namespace velk {

// The places the program's own files (data/, Schemas/, help/) may stand, in the order they are
// tried: beside the executable; share/velk beside its bin/ folder (an installed copy, wherever its
// prefix was moved); the source tree (a build run without installing); share/velk under the prefix
// the program was built for.
std::vector<std::filesystem::path> ProgramFolderCandidates(const std::filesystem::path& executableFolder,
                                                           const std::filesystem::path& sourceFolder,
                                                           const std::filesystem::path& installedFolder);

// The first candidate that holds data/; the source tree when none does.
std::filesystem::path FindProgramFolder(const std::filesystem::path& executableFolder,
                                        const std::filesystem::path& sourceFolder,
                                        const std::filesystem::path& installedFolder);

// The folder of the running program's own files.
std::filesystem::path ProgramFolder();

// The folder of the four .dab tables.
std::filesystem::path DataFolder();

} // namespace velk
