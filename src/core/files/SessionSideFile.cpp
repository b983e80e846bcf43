#include "core/files/SessionSideFile.h"

#include "core/FileBytes.h"
#include "core/SafeSave.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace velk {

std::string SessionSideFilePath(const std::string& competition, std::string_view tag, int session,
                                std::string_view extension) {
    const std::filesystem::path p(competition);
    return (p.parent_path() /
            (p.stem().string() + "_" + std::string(tag) + std::to_string(session) + std::string(extension)))
        .string();
}

bool ReadSideFileText(const std::string& path, std::size_t maxBytes, std::optional<std::string>& text) {
    text.reset();
    const FileBytes file = ReadFileBytes(path, maxBytes);
    if (file.status == FileReadStatus::Missing)
        return true;
    if (!file.ok())
        return false;
    text.emplace(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    return true;
}

bool SaveSideFileText(const std::string& path, std::string_view text, std::string_view backupExtension) {
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    return SaveFileAtomically(path, bytes, backupExtension);
}

} // namespace velk
