#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// Runs the writer of context.kind; false for a kind this program does not write through a sink.
bool WriteReport(ReportContext& context, ReportSink& sink);

} // namespace velk
