#pragma once

#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

namespace velk {

struct WholeCheckResult {
    bool Passed = true;
    // View 3: the round and table the pair check stopped at.
    int Round = 0;
    int Table = 0;
};

// The check "O&k" runs over the whole WorkSchedule after the shown view passed its cell check.
// `viewMode` is 1 (per round), 2 (per table) or 3 (whole); `tablesPerGroup` counts the table
// within its group in the messages (0: the table as it is).
WholeCheckResult CheckWholeSchedule(const WorkSchedule& schedule, int viewMode, int tablesPerGroup,
                                    Dialogs& dialogs);
// The same for an individual schedule: four players per table, the texts naming a "Speler".
WholeCheckResult CheckWholeSchedule(const WorkSchedule1& schedule, int viewMode, int tablesPerGroup,
                                    Dialogs& dialogs);

} // namespace velk
