#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velk::scoring {

// File access of the score, slam and table files, kept behind these few calls so that the shared
// save helper of the core can take over without touching the readers.

bool FileExists(const std::string& path);

// The whole file, or nullopt when it is missing, unreadable or larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// `path` with its extension replaced by `extension` (dot included); dots in folders do not count.
std::string WithExtension(std::string_view path, std::string_view extension);

// The existing file in the folder of `path` whose name equals that of `path` but for the case of
// its letters, or `path` itself when there is none. Older files carry ".SCO" and ".SLM" in
// capitals while the program asks for ".slm"; on a case-sensitive disk they must still be found.
std::string ExistingSpelling(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, then, when `backupPath` is not empty, moves an
// existing file to `backupPath` (replacing an older backup), and moves the new file into place.
// On failure the existing file and its backup are as they were.
bool SaveReplacing(const std::string& path, std::span<const std::uint8_t> bytes,
                   const std::string& backupPath);

} // namespace velk::scoring
