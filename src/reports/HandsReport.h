#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// "Spelverdeling": per board of the chosen groups its four hands, the double-dummy tricks and the
// par from the session's hand record, and the traveller with the match points as they were stored.
void WriteHandsReport(ReportContext& context, ReportSink& sink);

} // namespace velk
