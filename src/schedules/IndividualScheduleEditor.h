#pragma once

#include "schedules/BasicScheduleEditor.h"

#include <string>

namespace velk {

// "Schema Invoeren per " / "Schema wijzigen per " + "Ronde " / "Tafel " / "Ronde & Tafel".
std::string IndividualEditorCaption(bool changing, ScheduleView view);

// The individual editor: four players per table, views 1..3 (there is no renumbering of
// individual schedules).
using IndividualScheduleEditor = BasicScheduleEditor<TWSObj1>;

} // namespace velk
