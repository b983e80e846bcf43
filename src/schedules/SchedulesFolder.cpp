#include "schedules/SchedulesFolder.h"

#include "core/BuildPaths.h"
#include "core/ProgramFolder.h"

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

std::optional<std::string> SchedulesFolder(Dialogs& dialogs) {
    auto folder = FindSchedulesFolder(ProgramFolder().string(), VELK_SOURCE_DIR);
    if (!folder)
        dialogs.error("Kan directory \"Schemas\" niet vinden");
    return folder;
}

} // namespace velk
