#include "core/files/ScheduleFileIo.h"

#include "core/FileBytes.h"

#include <filesystem>
#include <system_error>

namespace velk {

std::optional<std::vector<std::uint8_t>> ReadScheduleFileBytes(const std::string& path) {
    FileBytes file = ReadFileBytes(path, kMaxScheduleFileBytes);
    if (!file.ok())
        return std::nullopt;
    return std::move(file.bytes);
}

bool ScheduleFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace velk
