#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// Over the chosen groups and sessions: how often every pair met every other pair, or (the North
// count) how often each pair sat North-South, by the kind of the context.
void WriteMeetingsReport(ReportContext& context, ReportSink& sink);

} // namespace velk
