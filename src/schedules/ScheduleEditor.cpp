#include "schedules/ScheduleEditor.h"

namespace velk {

std::string ScheduleEditorCaption(bool changing, ScheduleView view) {
    return ScheduleViewCaption(changing ? "Schema wijzigen per " : "Schema invoeren per ", view);
}

void ScheduleEditor::adopt(WorkSchedule schedule) {
    schedule_ = std::move(schedule);
    currentRound_ = 1;
    currentTable_ = 1;
    fileName_.clear();
}

} // namespace velk
