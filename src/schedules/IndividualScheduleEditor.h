#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "schedules/IndividualScheduleCells.h"
#include "schedules/ScheduleEditor.h"
#include "schedules/ScheduleEditorFlow.h"
#include "schedules/WorkSchedule.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// "Schema Invoeren per " / "Schema wijzigen per " + "Ronde " / "Tafel " / "Ronde & Tafel".
std::string IndividualEditorCaption(bool changing, ScheduleView view);

// The state of the individual editor: four players per table, views 1..3 (there is no
// renumbering of individual schedules). The window only copies grid text in and out.
class IndividualScheduleEditor {
public:
    void startNew(const ScheduleCounts& counts, ScheduleView view);
    // Reads an individual base schedule file; false when it could not be read.
    bool open(const std::string& path, ScheduleView view, Dialogs& dialogs, ErrorCode& errorCode);

    const WorkSchedule1& schedule() const { return schedule_; }
    ScheduleCounts counts() const { return schedule_.counts(); }
    ScheduleView view() const { return view_; }
    void setView(ScheduleView view) { view_ = Editable(view); }
    int currentRound() const { return currentRound_; }
    int currentTable() const { return currentTable_; }
    bool isExistingFile() const { return !fileName_.empty(); }
    const std::string& fileName() const { return fileName_; }
    // "Schema: " + file name, or "Nieuw schema ".
    std::string scheduleLine() const;
    int scheduleType = 0;

    // The grid rows of the shown round (view 1) or table (view 2), and view 3's table columns.
    std::vector<PlayerRow> rows() const;
    std::vector<std::vector<PlayerRow>> columns() const;
    // The "Lenen" cell of each row of rows().
    std::vector<std::string> borrowHints() const;

    // Copies the typed rows or columns into the working schedule and runs the cell check; the
    // failing cell, if any.
    std::optional<PlayerCellPosition> storeRows(const std::vector<PlayerRow>& rows, Dialogs& dialogs);
    std::optional<PlayerCellPosition> storeColumns(const std::vector<std::vector<PlayerRow>>& columns,
                                                   Dialogs& dialogs);
    // Another round (view 1) or table (view 2), wrapping at both ends. Call after a passing store.
    void step(int delta);

    // "O&k" after the shown view passed its cell check.
    EditorClosing confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode);
    std::optional<std::string> saveAs(Dialogs& dialogs, ErrorCode& errorCode);

private:
    static ScheduleView Editable(ScheduleView view) {
        return view == ScheduleView::Renumbering ? ScheduleView::PerRound : view;
    }

    WorkSchedule1 schedule_;
    ScheduleView view_ = ScheduleView::PerRound;
    int currentRound_ = 1;
    int currentTable_ = 1;
    std::string fileName_;
};

} // namespace velk
