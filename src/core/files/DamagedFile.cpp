#include "core/files/DamagedFile.h"

#include "core/FileBytes.h"
#include "core/SafeSave.h"

#include <filesystem>
#include <system_error>

namespace velk {
namespace fs = std::filesystem;

namespace {
// Far beyond any companion file; the copy is made from memory.
constexpr std::size_t kMaxSetAsideBytes = 256u << 20;
constexpr int kMaxCopies = 99;
} // namespace

std::string SetAsideDamagedFile(const std::string& path) {
    const FileBytes original = ReadFileBytes(path, kMaxSetAsideBytes);
    if (!original.ok())
        return {};
    for (int n = 1; n <= kMaxCopies; ++n) {
        const std::string copy = path + (n == 1 ? ".~bad" : ".~bad" + std::to_string(n));
        std::error_code ec;
        if (fs::exists(fs::symlink_status(copy, ec))) {
            const FileBytes earlier = ReadFileBytes(copy, kMaxSetAsideBytes);
            if (earlier.ok() && earlier.bytes == original.bytes)
                return copy;
            continue;
        }
        return SaveFileAtomically(copy, original.bytes, {}) ? copy : std::string();
    }
    return {};
}

bool SetAsideAndReport(const std::string& path, Dialogs& dialogs) {
    const std::string copy = SetAsideDamagedFile(path);
    if (copy.empty()) {
        dialogs.error("Beschadigd bestand " + path +
                      " kon niet apart gezet worden;\rhet wordt niet overschreven.");
        return false;
    }
    dialogs.warning("Beschadigd bestand " + path + " is ongewijzigd bewaard als:\r" + copy);
    return true;
}

} // namespace velk
