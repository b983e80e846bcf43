#pragma once

#include "core/records/WorkSchedule.h"

#include <string>

namespace velk {

// The "Lenen" column: which table's boards a table borrows.
// View 1: table i plays board group X whose ordinal c is another table that plays X in the same
// round: " L " + c.
std::string RoundViewBorrowHint(const WorkSchedule& schedule, int round, int table);
// View 2: the round's board group is not the table's own letter (ordinal = table): " L " + letter.
std::string TableViewBorrowHint(const WorkSchedule& schedule, int round, int table);
// The same for an individual schedule.
std::string RoundViewBorrowHint(const WorkSchedule1& schedule, int round, int table);
std::string TableViewBorrowHint(const WorkSchedule1& schedule, int round, int table);

} // namespace velk
