#include "schedules/BasicScheduleEditor.h"

#include "core/PathText.h"
#include "core/files/BaseScheduleFile.h"
#include "schedules/WholeScheduleCheck.h"

namespace velk {

namespace {

std::optional<WorkSchedule> ReadForm(const WorkSchedule&, const std::string& path, Dialogs& dialogs,
                                     ErrorCode& errorCode) {
    return ReadBaseSchedule(path, dialogs, errorCode);
}
std::optional<WorkSchedule1> ReadForm(const WorkSchedule1&, const std::string& path, Dialogs& dialogs,
                                      ErrorCode& errorCode) {
    return ReadBaseSchedule1(path, dialogs, errorCode);
}
bool WriteForm(const std::string& path, const WorkSchedule& schedule) {
    return WriteBaseSchedule(path, schedule);
}
bool WriteForm(const std::string& path, const WorkSchedule1& schedule) {
    return WriteBaseSchedule1(path, schedule);
}

} // namespace

std::string ScheduleTypeLongName(int type) {
    static const char* const names[] = {" Free ", " Multiplex", " Howell", " Mitchell", " Scheveningen"};
    return names[type >= 0 && type < 5 ? type : 0];
}

std::string ScheduleViewCaption(const std::string& start, ScheduleView view) {
    switch (view) {
    case ScheduleView::PerTable:
        return start + "Tafel ";
    case ScheduleView::Whole:
        return start + "Ronde & Tafel";
    default:
        return start + "Ronde ";
    }
}

template <typename Item>
void BasicScheduleEditor<Item>::startNew(const ScheduleCounts& counts, ScheduleView view) {
    schedule_ = Schedule::Empty(counts);
    view_ = Accepted(view);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_.clear();
}

template <typename Item>
bool BasicScheduleEditor<Item>::open(const std::string& path, ScheduleView view, Dialogs& dialogs,
                                     ErrorCode& errorCode) {
    dialogs.information("Bridge Schema bestand\rLees Schema, Openen van\r" + FileNameOf(path));
    auto read = ReadForm(schedule_, path, dialogs, errorCode);
    if (!read)
        return false;
    schedule_ = std::move(*read);
    view_ = Accepted(view);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_ = FileNameOf(path);
    return true;
}

template <typename Item> std::string BasicScheduleEditor<Item>::scheduleLine() const {
    return isExistingFile() ? "Schema: " + fileName_ : "Nieuw schema ";
}

template <typename Item> auto BasicScheduleEditor<Item>::rows() const -> std::vector<Row> {
    return ViewRows(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

template <typename Item> auto BasicScheduleEditor<Item>::columns() const -> std::vector<std::vector<Row>> {
    return ViewColumns(schedule_);
}

template <typename Item> std::vector<std::string> BasicScheduleEditor<Item>::borrowHints() const {
    return ViewBorrowHints(schedule_, view_ == ScheduleView::PerRound, currentRound_, currentTable_);
}

template <typename Item>
auto BasicScheduleEditor<Item>::storeRows(const std::vector<Row>& rows, Dialogs& dialogs)
    -> std::optional<Position> {
    if (!schedule_.isComplete())
        return std::nullopt;
    const bool perRound = view_ == ScheduleView::PerRound;
    StoreViewRows(schedule_, perRound, currentRound_, currentTable_, rows);
    return perRound ? CheckRoundView(rows, counts(), dialogs) : CheckTableView(rows, counts(), dialogs);
}

template <typename Item>
auto BasicScheduleEditor<Item>::storeColumns(const std::vector<std::vector<Row>>& columns, Dialogs& dialogs)
    -> std::optional<Position> {
    if (!schedule_.isComplete())
        return std::nullopt;
    StoreViewColumns(schedule_, columns);
    return CheckWholeView(columns, counts(), dialogs);
}

template <typename Item> void BasicScheduleEditor<Item>::step(int delta) {
    const ScheduleCounts c = counts();
    int& current = view_ == ScheduleView::PerTable ? currentTable_ : currentRound_;
    current = WrapStep(current, delta, view_ == ScheduleView::PerTable ? c.Tables : c.Rounds);
}

template <typename Item>
EditorClosing BasicScheduleEditor<Item>::confirm(int tablesPerGroup, Dialogs& dialogs, ErrorCode& errorCode) {
    const WholeCheckResult check =
        CheckWholeSchedule(schedule_, static_cast<int>(view_), tablesPerGroup, dialogs);
    return ConfirmClosing(check, dialogs, [&] { return saveAs(dialogs, errorCode); });
}

template <typename Item>
std::optional<std::string> BasicScheduleEditor<Item>::saveAs(Dialogs& dialogs, ErrorCode& errorCode) {
    // Refused before a name is asked: the file format cannot hold it under any name.
    if (const std::string problem = BaseScheduleOverflow(schedule_); !problem.empty()) {
        dialogs.error(problem);
        return std::nullopt;
    }
    auto path = SaveBaseScheduleAs(dialogs, errorCode,
                                   [this](const std::string& p) { return WriteForm(p, schedule_); });
    if (path)
        fileName_ = FileNameOf(*path);
    return path;
}

template class BasicScheduleEditor<TWSObj>;
template class BasicScheduleEditor<TWSObj1>;

} // namespace velk
