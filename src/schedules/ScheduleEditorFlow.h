#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/WorkSchedule.h"
#include "schedules/WholeScheduleCheck.h"

#include <functional>
#include <optional>
#include <string>

namespace velk {

// The steps both schedule editors share: stepping through rounds or tables, opening a base
// schedule to change, and closing with "O&k".

// `current` + `delta`, past `last` back to 1 and below 1 to `last`.
int WrapStep(int current, int delta, int last);

// The open dialog of a change: folder "Schemas", proposed name rounds + "*" + pairs + "*.*" when
// the counts are known. Nothing when the folder cannot be used or the user cancels.
std::optional<std::string> ChooseBaseScheduleToChange(const ScheduleCounts& known, Dialogs& dialogs);

// What "O&k" decided: close or stay; where a failed view-3 check stopped (round, table); the file
// written.
struct EditorClosing {
    bool Close = false;
    int Round = 0;
    int Table = 0;
    std::string SavedPath;
};

// After the whole-schedule check: a failure offers to go on editing, a pass offers to save
// through `saveAs`.
EditorClosing ConfirmClosing(const WholeCheckResult& check, Dialogs& dialogs,
                             const std::function<std::optional<std::string>()>& saveAs);

// The save dialog in "Schemas", then `write`; a failed write is reported. The chosen path when the
// file was written.
std::optional<std::string> SaveBaseScheduleAs(Dialogs& dialogs, ErrorCode& errorCode,
                                              const std::function<bool(const std::string&)>& write);

} // namespace velk
