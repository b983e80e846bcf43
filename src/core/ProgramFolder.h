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

// Where the program writes its work files (the list behind the result window, a page handed to
// the word processor): `dataFolder` when it can be written, else `userFolder`, made when missing.
// An installed copy's data folder belongs to the system, a copy run from its own folder keeps
// everything together.
std::filesystem::path ChooseWorkFolder(const std::filesystem::path& dataFolder,
                                       const std::filesystem::path& userFolder);

// The user's own folder for the program: $XDG_DATA_HOME/velk, else ~/.local/share/velk; empty
// when neither variable is set.
std::filesystem::path UserDataFolder(const char* xdgDataHome, const char* home);

// ChooseWorkFolder of the running program.
std::filesystem::path WorkFolder();

} // namespace velk
