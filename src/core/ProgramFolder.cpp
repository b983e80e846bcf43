#include "core/ProgramFolder.h"

#include "core/BuildPaths.h"

#include <system_error>

#ifndef VELK_INSTALLED_DATA_DIR
#define VELK_INSTALLED_DATA_DIR ""
#endif

namespace velk {

namespace fs = std::filesystem;

namespace {
fs::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}
} // namespace

std::vector<fs::path> ProgramFolderCandidates(const fs::path& executableFolder, const fs::path& sourceFolder,
                                              const fs::path& installedFolder) {
    std::vector<fs::path> candidates;
    if (!executableFolder.empty()) {
        candidates.push_back(executableFolder);
        candidates.push_back(executableFolder.parent_path() / "share" / "velk");
    }
    if (!sourceFolder.empty())
        candidates.push_back(sourceFolder);
    if (!installedFolder.empty())
        candidates.push_back(installedFolder);
    return candidates;
}

fs::path FindProgramFolder(const fs::path& executableFolder, const fs::path& sourceFolder,
                           const fs::path& installedFolder) {
    for (const fs::path& folder : ProgramFolderCandidates(executableFolder, sourceFolder, installedFolder)) {
        std::error_code ec;
        if (fs::is_directory(folder / "data", ec))
            return folder;
    }
    return sourceFolder;
}

fs::path ProgramFolder() {
    return FindProgramFolder(ExecutableFolder(), fs::path(VELK_SOURCE_DIR),
                             fs::path(VELK_INSTALLED_DATA_DIR));
}

fs::path DataFolder() {
    return ProgramFolder() / "data";
}

} // namespace velk
