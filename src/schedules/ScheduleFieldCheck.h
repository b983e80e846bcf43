#pragma once

#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <optional>
#include <string>

namespace velk {

// The fields of view 3's editing line.
enum class EditField { NS, EW, Group };

// Checks NZ, OW and board group before a view-3 cell is written. All are checked in order and the
// last failure wins: its text is shown as an invalid value (with a beep) and its field returned for
// the focus. Nothing when the fields are correct.
std::optional<EditField> CheckEditFields(const std::string& ns, const std::string& ew,
                                         const std::string& group, const ScheduleCounts& counts,
                                         Dialogs& dialogs);

// The individual editor's fields, in the order they are checked.
enum class PlayerEditField { N, O, Z, W, Group };

// The same check for the four players N, O, Z, W and the board group.
std::optional<PlayerEditField> CheckPlayerEditFields(const std::string& n, const std::string& o,
                                                     const std::string& z, const std::string& w,
                                                     const std::string& group, const ScheduleCounts& counts,
                                                     Dialogs& dialogs);

} // namespace velk
