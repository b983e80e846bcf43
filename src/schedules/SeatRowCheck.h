#pragma once

#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// The typed cells of one grid row, whatever the number of seats: NZ and OW in a pairs schedule,
// N, Z, O and W in an individual one.
struct SeatRowCells {
    const std::string* Table = nullptr; // view 1 only
    std::vector<const std::string*> Seats;
    const std::string* Group = nullptr;
};

// The cell a failed check points at: the table cell, the board group cell or a seat (0-based).
constexpr int kTableCell = -1;
constexpr int kGroupCell = -2;
struct SeatCellFailure {
    int Row = 0;
    int Cell = 0;
};

// The cell check of one view: per round (view 1: tables checked, a seat at two tables is refused)
// or per table (views 2 and 3: a seat meeting the same board group again is refused). The first
// failure is shown as the cell's text followed by its message and returned.
std::optional<SeatCellFailure> CheckSeatRows(bool perRound, const std::vector<SeatRowCells>& rows,
                                             const ScheduleCounts& counts, Dialogs& dialogs);

} // namespace velk
