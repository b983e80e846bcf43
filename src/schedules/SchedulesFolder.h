#pragma once

#include "core/Dialogs.h"

#include <optional>
#include <string>

namespace velk {

// The base schedule library "Schemas": beside the program when it is there, else the one in the
// source tree (development runs from the build tree), else a new one beside the program.
// Nothing when no folder can be used.
std::optional<std::string> FindSchedulesFolder(const std::string& programFolder,
                                               const std::string& sourceFolder);

// The same for the running program; "Kan directory \"Schemas\" niet vinden" when it fails.
std::optional<std::string> SchedulesFolder(Dialogs& dialogs);

} // namespace velk
