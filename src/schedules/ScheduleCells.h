#pragma once

#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// One row of the schedule editor's grid as typed: a table (view 1) or a round (views 2 and 3).
struct ScheduleRow {
    std::string Table; // view 1 only
    std::string NS;
    std::string EW;
    std::string Group;
    bool operator==(const ScheduleRow&) const = default;
};

enum class ScheduleField { Table, NS, EW, Group };

// Where a failed check puts the cursor: the row (0-based) and field, and in view 3 the table
// column (1-based).
struct CellPosition {
    int Row = 0;
    ScheduleField Field = ScheduleField::NS;
    int TableColumn = 0;
    bool operator==(const CellPosition&) const = default;
};

// The texts of the cell check, by the editor's codes.
namespace CellCheckCode {
enum : int {
    TableNumbers = 0,
    PairTooLarge = 1,
    PlaysItself = 2,
    PlaysElsewhere = 3,
    UnusedBoardGroup = 6,
    EmptyBoardGroup = 9,
    PairZero = 16
};
}
std::string CellCheckText(int code);

// A pair cell: empty is 0, digits their value; nothing when it cannot be read.
std::optional<int> ReadPairCell(const std::string& text);
// The board group cell as stored: upper case, at most 4 characters, no trailing blanks.
std::string NormaliseGroupCell(const std::string& text);

// The cell check of the shown view. The first failure is shown as the cell's text followed by
// its message and returned; nothing when the view passes.
std::optional<CellPosition> CheckRoundView(const std::vector<ScheduleRow>& tables,
                                           const ScheduleCounts& counts, Dialogs& dialogs);
std::optional<CellPosition> CheckTableView(const std::vector<ScheduleRow>& rounds,
                                           const ScheduleCounts& counts, Dialogs& dialogs);
// View 3: one column of rounds per table, each checked in turn with the rules of view 2.
std::optional<CellPosition> CheckWholeView(const std::vector<std::vector<ScheduleRow>>& tableColumns,
                                           const ScheduleCounts& counts, Dialogs& dialogs);

// View 3 cells: NZ + " - " + OW + " :" + letter (a one-digit pair with a leading blank, 0 empty),
// and back: NZ before the first "-", OW up to the next ":", the trimmed upper-cased rest.
std::string WholeViewCellText(const TWSObj& entry);
ScheduleRow ParseWholeViewCell(const std::string& text);
// One line of a view-3 cell: the seat before the first "-", the seat up to the next ":", and the
// trimmed, upper-cased rest as the board group (left alone when `group` is already set).
void SplitWholeViewLine(const std::string& line, std::string& first, std::string& second, std::string& group);

// The grid rows of a view from WorkSchedule, and a typed row back into an entry (unreadable pairs
// become 0; the cell check refuses them first).
ScheduleRow RowOf(const TWSObj& entry);
TWSObj EntryOf(const ScheduleRow& row, int table);

} // namespace velk
