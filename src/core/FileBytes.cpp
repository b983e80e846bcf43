#include "core/FileBytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velk {

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    FileBytes result;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) {
        result.status = FileReadStatus::Missing;
        return result;
    }
    if (!fs::is_regular_file(st))
        return result;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return result;
    if (size > maxBytes) {
        result.status = FileReadStatus::TooLarge;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    result.bytes.resize(static_cast<std::size_t>(size));
    if (size > 0)
        in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(size));
    // The file may have changed between the size check and the read; only what was read counts.
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return result;
    result.status = FileReadStatus::Ok;
    return result;
}

} // namespace velk
