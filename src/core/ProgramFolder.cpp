#include "core/ProgramFolder.h"

#include "core/BuildPaths.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

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

fs::path ChooseWorkFolder(const fs::path& dataFolder, const fs::path& userFolder) {
    std::error_code ec;
    if (fs::is_directory(dataFolder, ec) && ::access(dataFolder.c_str(), W_OK) == 0)
        return dataFolder;
    if (userFolder.empty())
        return dataFolder;
    fs::create_directories(userFolder, ec);
    return fs::is_directory(userFolder, ec) ? userFolder : dataFolder;
}

fs::path UserDataFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && *xdgDataHome == '/')
        return fs::path(xdgDataHome) / "velk";
    if (home && *home)
        return fs::path(home) / ".local" / "share" / "velk";
    return {};
}

fs::path WorkFolder() {
    return ChooseWorkFolder(DataFolder(), UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

} // namespace velk
