#pragma once

#include <string>

namespace velk {

// The existing file in the folder of `path` whose name equals that of `path` but for the case of
// its letters, or `path` itself when there is none. Older files carry ".SCO" and ".SLM" in
// capitals while the program asks for ".slm"; on a case-sensitive disk they must still be found.
std::string ExistingSpelling(const std::string& path);

} // namespace velk
