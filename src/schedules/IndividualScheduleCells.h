#pragma once

#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// One row of the individual editor's grid as typed: a table (view 1) or a round (views 2 and 3),
// with the four seats in the order of the columns.
struct PlayerRow {
    std::string Table; // view 1 only
    std::string N;
    std::string Z;
    std::string O;
    std::string W;
    std::string Group;
    bool operator==(const PlayerRow&) const = default;
};

enum class PlayerField { Table, N, Z, O, W, Group };

// Where a failed check puts the cursor: the row (0-based) and field, and in view 3 the table
// column (1-based).
struct PlayerCellPosition {
    int Row = 0;
    PlayerField Field = PlayerField::N;
    int TableColumn = 0;
    bool operator==(const PlayerCellPosition&) const = default;
};

// The cell checks of the pairs editor with four seats: the same codes and texts, the cell's text
// first. Nothing when the view passes.
std::optional<PlayerCellPosition> CheckRoundView(const std::vector<PlayerRow>& tables,
                                                 const ScheduleCounts& counts, Dialogs& dialogs);
std::optional<PlayerCellPosition> CheckTableView(const std::vector<PlayerRow>& rounds,
                                                 const ScheduleCounts& counts, Dialogs& dialogs);
std::optional<PlayerCellPosition> CheckWholeView(const std::vector<std::vector<PlayerRow>>& tableColumns,
                                                 const ScheduleCounts& counts, Dialogs& dialogs);

// A view-3 cell: N + " -  " + O + " :" + letter, and on a second line Z + " -  " + W + " :" +
// letter (a player 0 is empty). Reading back takes N and O from the first line, Z and W from the
// second, the letter trimmed and upper-cased.
std::string WholeViewCellText(const TWSObj1& entry);
PlayerRow ParsePlayerWholeViewCell(const std::string& text);

// Grid rows from the working schedule and back (unreadable players become 0; the cell check
// refuses them first).
PlayerRow RowOf(const TWSObj1& entry);
TWSObj1 EntryOf(const PlayerRow& row, int table);

} // namespace velk
