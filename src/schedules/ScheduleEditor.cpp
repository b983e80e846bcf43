#include "schedules/ScheduleEditor.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "schedules/BaseScheduleFile.h"
#include "schedules/BorrowHints.h"
#include "schedules/SchedulesFolder.h"
#include "schedules/WholeScheduleCheck.h"

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
    std::vector<ScheduleRow> out;
    if (!schedule_.isComplete())
        return out;
    const ScheduleCounts c = counts();
    if (view_ == ScheduleView::PerRound)
        for (int t = 1; t <= c.Tables; ++t)
            out.push_back(RowOf(schedule_.at(currentRound_, t)));
    else
        for (int r = 1; r <= c.Rounds; ++r) {
            out.push_back(RowOf(schedule_.at(r, currentTable_)));
            out.back().Table.clear();
        }
    return out;
}

std::vector<std::vector<ScheduleRow>> ScheduleEditor::columns() const {
    std::vector<std::vector<ScheduleRow>> out;
    if (!schedule_.isComplete())
        return out;
    const ScheduleCounts c = counts();
    for (int t = 1; t <= c.Tables; ++t) {
        std::vector<ScheduleRow> column;
        for (int r = 1; r <= c.Rounds; ++r) {
            column.push_back(RowOf(schedule_.at(r, t)));
            column.back().Table.clear();
        }
        out.push_back(std::move(column));
    }
    return out;
}

std::vector<std::string> ScheduleEditor::borrowHints() const {
    std::vector<std::string> out;
    if (!schedule_.isComplete())
        return out;
    const ScheduleCounts c = counts();
    if (view_ == ScheduleView::PerRound)
        for (int t = 1; t <= c.Tables; ++t)
            out.push_back(RoundViewBorrowHint(schedule_, currentRound_, t));
    else
        for (int r = 1; r <= c.Rounds; ++r)
            out.push_back(TableViewBorrowHint(schedule_, r, currentTable_));
    return out;
}

std::optional<CellPosition> ScheduleEditor::storeRows(const std::vector<ScheduleRow>& rows,
                                                      Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    const ScheduleCounts c = counts();
    const bool perRound = view_ == ScheduleView::PerRound;
    const int count = perRound ? c.Tables : c.Rounds;
    for (int i = 1; i <= count && i <= static_cast<int>(rows.size()); ++i) {
        TWSObj& entry = perRound ? schedule_.at(currentRound_, i) : schedule_.at(i, currentTable_);
        ScheduleRow row = rows[static_cast<std::size_t>(i - 1)];
        if (!perRound)
            row.Table = std::to_string(entry.Table);
        entry = EntryOf(row, perRound ? i : currentTable_);
    }
    return perRound ? CheckRoundView(rows, c, dialogs) : CheckTableView(rows, c, dialogs);
}

std::optional<CellPosition> ScheduleEditor::storeColumns(const std::vector<std::vector<ScheduleRow>>& columns,
                                                         Dialogs& dialogs) {
    if (!schedule_.isComplete())
        return std::nullopt;
    const ScheduleCounts c = counts();
    for (int t = 1; t <= c.Tables && t <= static_cast<int>(columns.size()); ++t) {
        const auto& column = columns[static_cast<std::size_t>(t - 1)];
        for (int r = 1; r <= c.Rounds && r <= static_cast<int>(column.size()); ++r) {
            TWSObj& entry = schedule_.at(r, t);
            ScheduleRow row = column[static_cast<std::size_t>(r - 1)];
            row.Table = std::to_string(entry.Table);
            entry = EntryOf(row, t);
        }
    }
    return CheckWholeView(columns, c, dialogs);
}

void ScheduleEditor::step(int delta) {
    const ScheduleCounts c = counts();
    int& current = view_ == ScheduleView::PerTable ? currentTable_ : currentRound_;
    const int last = view_ == ScheduleView::PerTable ? c.Tables : c.Rounds;
    if (last < 1)
        return;
    current += delta;
    if (current > last)
        current = 1;
    if (current < 1)
        current = last;
}

ScheduleEditor::Closing ScheduleEditor::confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode) {
    Closing closing;
    const WholeCheckResult check =
        CheckWholeSchedule(schedule_, static_cast<int>(view_), tablesPerGroup, dialogs);
    if (!check.Passed) {
        dialogs.error(" Schema niet correct, wordt niet bewaard");
        if (dialogs.askYesNo("Doorgaan met Schema inlezen ?")) {
            closing.Round = check.Round;
            closing.Table = check.Table;
            return closing;
        }
        dialogs.warning("Schema misschien niet correct, waarschijnlijk wel bewaard  ");
        closing.Close = true;
        return closing;
    }
    if (dialogs.askYesNo("Schema opslaan in map Schema`s"))
        if (auto path = saveAs(dialogs, errorCode))
            closing.SavedPath = *path;
    closing.Close = true;
    return closing;
}

std::optional<std::string> ScheduleEditor::saveAs(Dialogs& dialogs, ErrorCode& errorCode) {
    const auto folder = SchedulesFolder(dialogs);
    if (!folder)
        return std::nullopt;
    FileChoice choice;
    choice.title = "Schema Bewaren";
    choice.filter = "Schema file (*.ws0)|*.WS0|Special file (*.*)|*.*";
    choice.defaultExtension = "ws0";
    choice.initialPath = *folder + "/*.*";
    const auto path = dialogs.saveFileName(choice);
    if (!path)
        return std::nullopt;
    dialogs.information("Bridge Schema bestand\rRedSchema, Bewaren van\r" + FileNameOf(*path));
    if (!WriteBaseSchedule(*path, schedule_)) {
        // A failed write is reported rather than passed over in silence.
        ShowFileError(dialogs, errorCode, FileNameOf(*path), FileError::WriteFailed, Hint::TryAgain);
        return std::nullopt;
    }
    fileName_ = FileNameOf(*path);
    return path;
}

} // namespace velk
