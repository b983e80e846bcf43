#include "core/ProgramFolder.h"

#include <system_error>

namespace velk {

namespace {
std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}
} // namespace

std::filesystem::path ProgramFolder() {
    const auto beside = ExecutableFolder();
    std::error_code ec;
    if (!beside.empty() && std::filesystem::is_directory(beside / "data", ec))
        return beside;
    return std::filesystem::path(VELK_SOURCE_DIR);
}

std::filesystem::path DataFolder() {
    return ProgramFolder() / "data";
}

} // namespace velk
