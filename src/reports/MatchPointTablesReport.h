#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The scores and match points of one pair, its match points per session, or the match points per
// board, by the kind of the context.
void WriteMatchPointTable(ReportContext& context, ReportSink& sink);

} // namespace velk
