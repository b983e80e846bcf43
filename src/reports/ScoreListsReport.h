#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The entered scores of a session per board or per pair, and the collections of marked scores
// (arbitral, blank, fragment, turned, suspect, deviating vulnerability), by the kind of the context.
void WriteScoreList(ReportContext& context, ReportSink& sink);

} // namespace velk
