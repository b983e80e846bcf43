#include "core/files/FileSpelling.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace velk {

namespace fs = std::filesystem;

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

} // namespace velk
