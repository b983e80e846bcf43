#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The year totals (kinds 5 and 6): the competitions context.range.RangeFirst..RangeLast of the
// season, read from their files beside the open one, each pair's competition results and their
// sum, by club number or by place.
void WriteYearTotals(ReportContext& context, ReportSink& sink);

} // namespace velk
