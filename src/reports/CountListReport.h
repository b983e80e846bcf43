#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The count list ("Tellijst"): per pair of each chosen group its match points per board group,
// its total, percentage and rank.
void WriteCountList(ReportContext& context, ReportSink& sink);

} // namespace velk
