#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "schedules/ScheduleCells.h"
#include "schedules/ScheduleEditorFlow.h"
#include "schedules/WorkSchedule.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// What the pairs schedule editor shows: one round, one table, the whole schedule or the
// renumbering table.
enum class ScheduleView : int { PerRound = 1, PerTable = 2, Whole = 3, Renumbering = 4 };

// " Free ", " Multiplex", ... for the type index 0..4 (anything else counts as 0).
std::string ScheduleTypeLongName(int type);
// "Schema invoeren per " / "Schema wijzigen per " + "Ronde " / "Tafel " / "Ronde & Tafel".
std::string ScheduleEditorCaption(bool changing, ScheduleView view);

// The state of the pairs editor: the working schedule, the shown round or table, and the steps of
// moving, checking and closing. The window only copies grid text in and out.
class ScheduleEditor {
public:
    // An empty schedule of `counts`.
    void startNew(const ScheduleCounts& counts, ScheduleView view);
    // Reads a base schedule file; false when it could not be read.
    bool open(const std::string& path, ScheduleView view, Dialogs& dialogs, ErrorCode& errorCode);
    // A schedule made elsewhere (renumbering), taken as a new one.
    void adopt(WorkSchedule schedule);

    const WorkSchedule& schedule() const { return schedule_; }
    ScheduleCounts counts() const { return schedule_.counts(); }
    ScheduleView view() const { return view_; }
    void setView(ScheduleView view) { view_ = view; }
    int currentRound() const { return currentRound_; }
    int currentTable() const { return currentTable_; }
    bool isExistingFile() const { return !fileName_.empty(); }
    const std::string& fileName() const { return fileName_; }
    // "Schema: " + file name, or "Nieuw schema ".
    std::string scheduleLine() const;
    int scheduleType = 0;

    // The grid rows of the shown round (view 1: one per table) or table (view 2: one per round).
    std::vector<ScheduleRow> rows() const;
    // View 3: one column per table, each with one row per round.
    std::vector<std::vector<ScheduleRow>> columns() const;
    // The "Lenen" cell of each row of rows().
    std::vector<std::string> borrowHints() const;

    // Copies the typed rows (views 1 and 2) or columns (view 3) into the working schedule and runs
    // the cell check; the failing cell, if any.
    std::optional<CellPosition> storeRows(const std::vector<ScheduleRow>& rows, Dialogs& dialogs);
    std::optional<CellPosition> storeColumns(const std::vector<std::vector<ScheduleRow>>& columns,
                                             Dialogs& dialogs);
    // Another round (view 1) or table (view 2), wrapping at both ends. Call after a passing store.
    void step(int delta);

    // "O&k" after the shown view passed its cell check: the whole-schedule check, then saving in
    // "Schemas" when the user wants. False when the editor stays open; `cursor` is where a failed
    // view-3 check stopped (round, table).
    using Closing = EditorClosing;
    Closing confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode);

    // Writes the schedule after the save question; the chosen path when it was written.
    std::optional<std::string> saveAs(Dialogs& dialogs, ErrorCode& errorCode);

private:
    WorkSchedule schedule_;
    ScheduleView view_ = ScheduleView::PerRound;
    int currentRound_ = 1;
    int currentTable_ = 1;
    std::string fileName_;
};

} // namespace velk
