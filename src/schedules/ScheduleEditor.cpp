#include "schedules/ScheduleEditor.h"

#include "core/PathText.h"
#include "schedules/BaseScheduleFile.h"
#include "schedules/ScheduleEditorFlow.h"
#include "schedules/ScheduleViewRows.h"

namespace velk {

std::string ScheduleTypeLongName(int type) {
    static const char* const names[] = {" Free ", " Multiplex", " Howell", " Mitchell", " Scheveningen"};
    return names[type >= 0 && type < 5 ? type : 0];
}

std::string ScheduleEditorCaption(bool changing, ScheduleView view) {
    const std::string start = changing ? "Schema wijzigen per " : "Schema invoeren per ";
    switch (view) {
    case ScheduleView::PerTable:
        return start + "Tafel ";
    case ScheduleView::Whole:
        return start + "Ronde & Tafel";
    default:
        return start + "Ronde ";
    }
}

void ScheduleEditor::startNew(const ScheduleCounts& counts, ScheduleView view) {
    schedule_ = WorkSchedule::Empty(counts);
    view_ = view;
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_.clear();
}

bool ScheduleEditor::open(const std::string& path, ScheduleView view, Dialogs& dialogs,
                          ErrorCode& errorCode) {
    dialogs.information("Bridge Schema bestand\rLees Schema, Openen van\r" + FileNameOf(path));
    auto read = ReadBaseSchedule(path, dialogs, errorCode);
    if (!read)
        return false;
    schedule_ = std::move(*read);
    view_ = view;
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_ = FileNameOf(path);
    return true;
}

void ScheduleEditor::adopt(WorkSchedule schedule) {
    schedule_ = std::move(schedule);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_.clear();
}

std::string ScheduleEditor::scheduleLine() const {
    return isExistingFile() ? "Schema: " + fileName_ : "Nieuw schema ";
}

std::vector<ScheduleRow> ScheduleEditor::rows() const {
    return ViewRows(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

std::vector<std::vector<ScheduleRow>> ScheduleEditor::columns() const {
    return ViewColumns(schedule_);
}

std::vector<std::string> ScheduleEditor::borrowHints() const {
    return ViewBorrowHints(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

std::optional<CellPosition> ScheduleEditor::storeRows(const std::vector<ScheduleRow>& rows,
                                                      Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    const bool perRound = view_ == ScheduleView::PerRound;
    StoreViewRows(schedule_, perRound, currentRound_, currentTable_, rows);
    return perRound ? CheckRoundView(rows, counts(), dialogs) : CheckTableView(rows, counts(), dialogs);
}

std::optional<CellPosition> ScheduleEditor::storeColumns(const std::vector<std::vector<ScheduleRow>>& columns,
                                                         Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    StoreViewColumns(schedule_, columns);
    return CheckWholeView(columns, counts(), dialogs);
}

void ScheduleEditor::step(int delta) {
    const ScheduleCounts c = counts();
    int& current = view_ == ScheduleView::PerTable ? currentTable_ : currentRound_;
    current = WrapStep(current, delta, view_ == ScheduleView::PerTable ? c.Tables : c.Rounds);
}

ScheduleEditor::Closing ScheduleEditor::confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode) {
    const WholeCheckResult check =
        CheckWholeSchedule(schedule_, static_cast<int>(view_), tablesPerGroup, dialogs);
    return ConfirmClosing(check, dialogs, [&] { return saveAs(dialogs, errorCode); });
}

std::optional<std::string> ScheduleEditor::saveAs(Dialogs& dialogs, ErrorCode& errorCode) {
    auto path = SaveBaseScheduleAs(dialogs, errorCode,
                                   [this](const std::string& p) { return WriteBaseSchedule(p, schedule_); });
    if (path)
        fileName_ = FileNameOf(*path);
    return path;
}

} // namespace velk
