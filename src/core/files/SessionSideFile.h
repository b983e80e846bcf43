#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velk {

// The small files a session keeps beside its competition (journal, PINs, leads):
// "<folder>/<name>_<tag><session><extension>" for the competition file `competition`.
std::string SessionSideFilePath(const std::string& competition, std::string_view tag, int session,
                                std::string_view extension);

// A side file's text, read whole. Nothing for a missing file; false when it exists but cannot be
// read or is larger than `maxBytes`.
bool ReadSideFileText(const std::string& path, std::size_t maxBytes, std::optional<std::string>& text);

// Writes `text` through a temporary file; the previous file stays as ChangeFileExt(path,
// backupExtension) until the new one is complete.
bool SaveSideFileText(const std::string& path, std::string_view text, std::string_view backupExtension);

} // namespace velk
