#pragma once

#include "core/Dialogs.h"

#include <string>

namespace velk {

// A file that was read damaged keeps its bytes beside it as "<name>.~bad" (then ".~bad2", ...)
// before anything can be written over it, so that no save, however often repeated, loses what was
// on disk. A copy already holding the same bytes is reused. Returns the copy's path, or empty when
// no copy could be made (or the file is not there).
std::string SetAsideDamagedFile(const std::string& path);

// SetAsideDamagedFile with its message: where the copy is, or that none could be made. Returns
// whether the bytes are safe in a copy.
bool SetAsideAndReport(const std::string& path, Dialogs& dialogs);

} // namespace velk
