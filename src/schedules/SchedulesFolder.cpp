#include "schedules/SchedulesFolder.h"

#include <filesystem>
#include <system_error>

namespace velk {

namespace fs = std::filesystem;

std::optional<std::string> FindSchedulesFolder(const std::string& programFolder,
                                               const std::string& sourceFolder) {
    std::error_code ec;
    const fs::path besideProgram = fs::path(programFolder) / "Schemas";
    if (fs::is_directory(besideProgram, ec))
        return besideProgram.string();
    if (!sourceFolder.empty()) {
        const fs::path inSource = fs::path(sourceFolder) / "Schemas";
        if (fs::is_directory(inSource, ec))
            return inSource.string();
    }
    if (programFolder.empty() || !fs::create_directories(besideProgram, ec) || ec)
        return std::nullopt;
    return besideProgram.string();
}

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec).string() : exe.parent_path().string();
}

std::optional<std::string> SchedulesFolder(Dialogs& dialogs) {
#ifdef VELK_SOURCE_DIR
    const std::string source = VELK_SOURCE_DIR;
#else
    const std::string source;
#endif
    auto folder = FindSchedulesFolder(ProgramFolder(), source);
    if (!folder)
        dialogs.error("Kan directory \"Schemas\" niet vinden");
    return folder;
}

} // namespace velk
