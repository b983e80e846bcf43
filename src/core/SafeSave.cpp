#include "core/SafeSave.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VELK_HAVE_FSYNC 1
#endif

namespace velk {
namespace fs = std::filesystem;

namespace {

// Writes and flushes the whole buffer to a new file; false on any short or failed step.
bool WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
#ifdef VELK_HAVE_FSYNC
    // The rename below must not publish a file whose contents are still only in the cache.
    ok = ok && ::fsync(::fileno(f)) == 0;
#endif
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

// The written file must be exactly what was meant to be written.
bool HasSize(const std::string& path, std::size_t size) {
    std::error_code ec;
    const std::uintmax_t actual = fs::file_size(path, ec);
    return !ec && actual == size;
}

} // namespace

bool SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                        std::string_view backupExtension) {
    std::error_code ec;
    const fs::file_status target = fs::symlink_status(path, ec);
    const bool targetExists = fs::exists(target);
    // Only a regular file is ever moved aside: never a folder or whatever else is at the path.
    if (targetExists && !fs::is_regular_file(target))
        return false;

    const std::string temp = path + ".~tmp";
    if (!WriteNewFile(temp, bytes) || !HasSize(temp, bytes.size())) {
        fs::remove(temp, ec);
        return false;
    }

    const std::string backup = ChangeFileExt(path, backupExtension);
    bool movedAside = false;
    if (targetExists && !backupExtension.empty() && backup != path) {
        // The previous file must survive as the backup; if it cannot move there, nothing changes.
        fs::rename(path, backup, ec);
        if (ec) {
            fs::remove(temp, ec);
            return false;
        }
        movedAside = true;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        if (movedAside)
            fs::rename(backup, path, ignored);
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

void ReportSaveResult(Dialogs& dialogs, const std::string& path, bool saved) {
    dialogs.information("Wegschrijven van " + path + (saved ? " gelukt" : " niet gelukt"));
}

} // namespace velk
