#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velk {

// Path texts as the user chose them; both "/" and "\" separate folders.

// Index where the file name starts (after the last separator).
std::size_t FileNameStart(std::string_view path);

// The file name without its folder.
std::string FileNameOf(std::string_view path);

// `path` with its extension replaced by `extension` (which includes the dot), or appended when
// the file name has none. Dots in folder names are not an extension.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

} // namespace velk
