#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/WorkSchedule.h"
#include "schedules/ScheduleEditorFlow.h"
#include "schedules/ScheduleViewRows.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velk {

// What a schedule editor shows: one round, one table, the whole schedule or (pairs only) the
// renumbering table.
enum class ScheduleView : int { PerRound = 1, PerTable = 2, Whole = 3, Renumbering = 4 };

// " Free ", " Multiplex", ... for the type index 0..4 (anything else counts as 0).
std::string ScheduleTypeLongName(int type);
// `start` + "Ronde " / "Tafel " / "Ronde & Tafel": the editors' captions.
std::string ScheduleViewCaption(const std::string& start, ScheduleView view);

// The state both schedule editors keep: the working schedule, the shown round or table, and the
// steps of moving, checking and closing; `Item` is TWSObj (pairs) or TWSObj1 (individual). The
// windows only copy grid text in and out.
template <typename Item> class BasicScheduleEditor {
public:
    using Schedule = BasicWorkSchedule<Item>;
    // ScheduleRow or PlayerRow, and where a failed cell check puts the cursor.
    using Row = RowOfItem<Item>;
    using Position = typename decltype(CheckRoundView(std::declval<const std::vector<Row>&>(),
                                                      std::declval<const ScheduleCounts&>(),
                                                      std::declval<Dialogs&>()))::value_type;
    using Closing = EditorClosing;

    // An empty schedule of `counts`.
    void startNew(const ScheduleCounts& counts, ScheduleView view);
    // Reads a base schedule file of this form; false (and nothing changed) when it could not be read.
    bool open(const std::string& path, ScheduleView view, Dialogs& dialogs, ErrorCode& errorCode);

    const Schedule& schedule() const { return schedule_; }
    ScheduleCounts counts() const { return schedule_.counts(); }
    ScheduleView view() const { return view_; }
    void setView(ScheduleView view) { view_ = Accepted(view); }
    int currentRound() const { return currentRound_; }
    int currentTable() const { return currentTable_; }
    bool isExistingFile() const { return !fileName_.empty(); }
    const std::string& fileName() const { return fileName_; }
    // "Schema: " + file name, or "Nieuw schema ".
    std::string scheduleLine() const;
    int scheduleType = 0;

    // The grid rows of the shown round (view 1: one per table) or table (view 2: one per round).
    std::vector<Row> rows() const;
    // View 3: one column per table, each with one row per round.
    std::vector<std::vector<Row>> columns() const;
    // The "Lenen" cell of each row of rows().
    std::vector<std::string> borrowHints() const;

    // Copies the typed rows (views 1 and 2) or columns (view 3) into the working schedule and runs
    // the cell check; the failing cell, if any.
    std::optional<Position> storeRows(const std::vector<Row>& rows, Dialogs& dialogs);
    std::optional<Position> storeColumns(const std::vector<std::vector<Row>>& columns, Dialogs& dialogs);
    // Another round (view 1) or table (view 2), wrapping at both ends. Call after a passing store.
    void step(int delta);

    // "O&k" after the shown view passed its cell check: the whole-schedule check, then saving in
    // "Schemas" when the user wants.
    Closing confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode);
    // Writes the schedule after the save question; the chosen path when it was written.
    std::optional<std::string> saveAs(Dialogs& dialogs, ErrorCode& errorCode);

protected:
    // Individual schedules are not renumbered: view 4 falls back to view 1.
    static ScheduleView Accepted(ScheduleView view) {
        return Schedule::Individual && view == ScheduleView::Renumbering ? ScheduleView::PerRound : view;
    }

    Schedule schedule_;
    ScheduleView view_ = ScheduleView::PerRound;
    int currentRound_ = 1;
    int currentTable_ = 1;
    std::string fileName_;
};

extern template class BasicScheduleEditor<TWSObj>;
extern template class BasicScheduleEditor<TWSObj1>;

} // namespace velk
