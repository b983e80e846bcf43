#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The start positions, the schedule per round and per table, and the complete schedule of a
// group, by the kind of the context.
void WriteScheduleList(ReportContext& context, ReportSink& sink);

} // namespace velk
