#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/RenumberRecord.h"
#include "core/records/WorkSchedule.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// "Red tabel": the list from the first `sessions` grid rows (0 = empty cell). A row naming a pair
// twice is reported ("Paar: " n " komt vaker voor") and nothing is returned.
std::optional<std::vector<TReNumOBj>> BuildRenumberList(const std::vector<std::vector<int>>& gridRows,
                                                        int sessions, int pairs, Dialogs& dialogs);

// "Maak Schema": a base schedule of `counts` made from session 1's schedule with the pairs of row
// `session` of the list put in their place.
WorkSchedule RenumberSchedule(const TZitSchemaObj& source, const std::vector<TReNumOBj>& list, int session,
                              const ScheduleCounts& counts, Dialogs& dialogs);

// The refusals before the renumbering view opens.
bool RenumberingPossible(const Club& club, Dialogs& dialogs);
bool HasBaseScheduleToRenumber(const Club& club, Dialogs& dialogs);

} // namespace velk
