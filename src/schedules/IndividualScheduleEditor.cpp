#include "schedules/IndividualScheduleEditor.h"

#include "core/PathText.h"
#include "schedules/BaseScheduleFile.h"
#include "schedules/ScheduleViewRows.h"
#include "schedules/WholeScheduleCheck.h"

namespace velk {

std::string IndividualEditorCaption(bool changing, ScheduleView view) {
    const std::string start = changing ? "Schema wijzigen per " : "Schema Invoeren per ";
    switch (view) {
    case ScheduleView::PerTable:
        return start + "Tafel ";
    case ScheduleView::Whole:
        return start + "Ronde & Tafel";
    default:
        return start + "Ronde ";
    }
}

void IndividualScheduleEditor::startNew(const ScheduleCounts& counts, ScheduleView view) {
    schedule_ = WorkSchedule1::Empty(counts);
    view_ = Editable(view);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_.clear();
}

bool IndividualScheduleEditor::open(const std::string& path, ScheduleView view, Dialogs& dialogs,
                                    ErrorCode& errorCode) {
    dialogs.information("Bridge Schema bestand\rLees Schema, Openen van\r" + FileNameOf(path));
    auto read = ReadBaseSchedule1(path, dialogs, errorCode);
    if (!read)
        return false;
    schedule_ = std::move(*read);
    view_ = Editable(view);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_ = FileNameOf(path);
    return true;
}

std::string IndividualScheduleEditor::scheduleLine() const {
    return isExistingFile() ? "Schema: " + fileName_ : "Nieuw schema ";
}

std::vector<PlayerRow> IndividualScheduleEditor::rows() const {
    return ViewRows(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

std::vector<std::vector<PlayerRow>> IndividualScheduleEditor::columns() const {
    return ViewColumns(schedule_);
}

std::vector<std::string> IndividualScheduleEditor::borrowHints() const {
    return ViewBorrowHints(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

std::optional<PlayerCellPosition> IndividualScheduleEditor::storeRows(const std::vector<PlayerRow>& rows,
                                                                      Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    const bool perRound = view_ == ScheduleView::PerRound;
    StoreViewRows(schedule_, perRound, currentRound_, currentTable_, rows);
    return perRound ? CheckRoundView(rows, counts(), dialogs) : CheckTableView(rows, counts(), dialogs);
}

std::optional<PlayerCellPosition>
IndividualScheduleEditor::storeColumns(const std::vector<std::vector<PlayerRow>>& columns, Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    StoreViewColumns(schedule_, columns);
    return CheckWholeView(columns, counts(), dialogs);
}

void IndividualScheduleEditor::step(int delta) {
    const ScheduleCounts c = counts();
    int& current = view_ == ScheduleView::PerTable ? currentTable_ : currentRound_;
    current = WrapStep(current, delta, view_ == ScheduleView::PerTable ? c.Tables : c.Rounds);
}

EditorClosing IndividualScheduleEditor::confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode) {
    const WholeCheckResult check =
        CheckWholeSchedule(schedule_, static_cast<int>(view_), tablesPerGroup, dialogs);
    return ConfirmClosing(check, dialogs, [&] { return saveAs(dialogs, errorCode); });
}

std::optional<std::string> IndividualScheduleEditor::saveAs(Dialogs& dialogs, ErrorCode& errorCode) {
    auto path = SaveBaseScheduleAs(dialogs, errorCode,
                                   [this](const std::string& p) { return WriteBaseSchedule1(p, schedule_); });
    if (path)
        fileName_ = FileNameOf(*path);
    return path;
}

} // namespace velk
