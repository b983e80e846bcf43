#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The frequency of scores per board: every table's result in places by its North-South score,
// with the match points and percentages of both sides; arbitral scores after them.
void WriteFrequencies(ReportContext& context, ReportSink& sink);

} // namespace velk
