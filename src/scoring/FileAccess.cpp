#include "scoring/FileAccess.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace velk::scoring {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec || size > maxBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return std::nullopt;
    return bytes;
}

std::string WithExtension(std::string_view path, std::string_view extension) {
    const auto nameStart = path.find_last_of("/\\");
    const auto dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    std::string out(hasExtension ? path.substr(0, dot) : path);
    out += extension;
    return out;
}

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

std::string ExistingSpelling(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec))
        return path;
    const fs::path p(path);
    const fs::path folder = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string wanted = p.filename().string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (SameIgnoringCase(name, wanted))
            return p.has_parent_path() ? (p.parent_path() / name).string() : name;
    }
    return path;
}

bool SaveReplacing(const std::string& path, std::span<const std::uint8_t> bytes,
                   const std::string& backupPath) {
    const std::string temp = path + ".tmp~";
    std::error_code ignored;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    if (!backupPath.empty() && fs::exists(path, ec)) {
        // The backup is a copy made beside it first, so the old file stays in place until the
        // new one replaces it in one rename. A backup that cannot be made does not stop the save.
        const std::string backupTemp = backupPath + ".tmp~";
        if (fs::copy_file(path, backupTemp, fs::copy_options::overwrite_existing, ec))
            fs::rename(backupTemp, backupPath, ec);
        fs::remove(backupTemp, ignored);
    }
    ec.clear();
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace velk::scoring
