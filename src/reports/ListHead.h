#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The head of the tables and schedule lists: the club and title lines between bold markers.
// Returns the length of the club line.
int WriteListHead(ReportContext& context, ReportSink& sink);

// The report width of a list that wants `wanted` characters: never narrower than the club line
// needs.
int ListWidth(const ReportContext& context, int wanted);

// The session a schedule list shows: the one chosen in the range dialog, else the current one.
int ListSession(const ReportContext& context);

} // namespace velk
