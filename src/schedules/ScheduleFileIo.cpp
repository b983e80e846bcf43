#include "schedules/ScheduleFileIo.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velk {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> ReadScheduleFileBytes(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec || size > kMaxScheduleFileBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size())
        return std::nullopt;
    return bytes;
}

bool ScheduleFileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool ReplaceScheduleFile(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string_view backupExtension) {
    const std::string temp = path + ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::string backup;
    if (!backupExtension.empty() && fs::exists(path, ec)) {
        backup = WithExtension(path, backupExtension);
        fs::rename(path, backup, ec);
        if (ec) {
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        // Put the previous file back where the user left it.
        if (!backup.empty())
            fs::rename(backup, path, ignored);
        return false;
    }
    return true;
}

namespace {
std::size_t NameStart(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? 0 : slash + 1;
}
} // namespace

std::string WithExtension(const std::string& path, std::string_view extension) {
    const std::size_t start = NameStart(path);
    const auto dot = path.find_last_of('.');
    std::string out = (dot == std::string::npos || dot < start) ? path : path.substr(0, dot);
    out += extension;
    return out;
}

std::string FileNamePart(const std::string& path) {
    return path.substr(NameStart(path));
}

} // namespace velk
