#include "core/FileNameHelpers.h"

#include "core/TextHelpers.h"

#include <filesystem>
#include <system_error>

namespace velk {

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    // The whole folder is kept: a folder cut short would name another folder.
    parts.directory = std::string(path.substr(0, nameStart));
    const std::string_view name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        parts.extension = Truncate(name.substr(dot), 4);
    parts.fileName = name.empty() ? std::string(kNoFileName) : std::string(name);
    return parts;
}

std::string_view BackupExtension(int kind) {
    switch (kind) {
    case 1:
        return ".~db";
    case 2:
        return ".~cf";
    case 3:
        return ".~ca";
    case 4:
        return ".~sc";
    case 5:
        return ".~sm";
    default:
        return {};
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    const auto normal = [](const std::string& path) {
        std::error_code absoluteError;
        return std::filesystem::absolute(path, absoluteError).lexically_normal();
    };
    return normal(a) == normal(b);
}

void BackupFile(const std::string& path, int kind, ErrorCode& errorCode) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string_view extension = BackupExtension(kind);
    if (extension.empty() || !fs::is_regular_file(path, ec))
        return;
    fs::path backup(path);
    backup.replace_extension(std::string(extension));
    fs::rename(path, backup, ec);
    if (ec)
        errorCode.report(1);
}

} // namespace velk
