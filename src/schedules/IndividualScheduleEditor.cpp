#include "schedules/IndividualScheduleEditor.h"

namespace velk {

std::string IndividualEditorCaption(bool changing, ScheduleView view) {
    return ScheduleViewCaption(changing ? "Schema wijzigen per " : "Schema Invoeren per ", view);
}

} // namespace velk
