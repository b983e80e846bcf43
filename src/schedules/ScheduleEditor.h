#pragma once

#include "core/records/WorkSchedule.h"
#include "schedules/BasicScheduleEditor.h"

#include <string>

namespace velk {

// "Schema invoeren per " / "Schema wijzigen per " + "Ronde " / "Tafel " / "Ronde & Tafel".
std::string ScheduleEditorCaption(bool changing, ScheduleView view);

// The pairs editor; it also takes the schedules that renumbering makes.
class ScheduleEditor : public BasicScheduleEditor<TWSObj> {
public:
    // A schedule made elsewhere (renumbering), taken as a new one.
    void adopt(WorkSchedule schedule);
};

} // namespace velk
