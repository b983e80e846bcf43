#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The tables beside the program as lists: every possible score with its property, the arbitral
// scores in IMPs, and every contract with its scores, by the kind of the context.
void WriteReferenceTable(ReportContext& context, ReportSink& sink);

} // namespace velk
