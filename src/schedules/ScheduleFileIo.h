#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// No schedule file comes near this; a larger file is not read at all.
constexpr std::size_t kMaxScheduleFileBytes = 16u << 20;

// The whole file, or nothing when it is missing, unreadable or too large.
std::optional<std::vector<std::uint8_t>> ReadScheduleFileBytes(const std::string& path);

bool ScheduleFileExists(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and only then puts it in place; the previous
// file moves to its backup name first when `backupExtension` is not empty. On failure the old
// file is untouched.
bool ReplaceScheduleFile(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string_view backupExtension);

// `path` with the extension of its file name replaced (or appended).
std::string WithExtension(const std::string& path, std::string_view extension);

// The file name without its folder.
std::string FileNamePart(const std::string& path);

} // namespace velk
