#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The result list of a session per group (kinds 1-4): points or percentages, by number or by rank,
// for the groups and sessions of context.groups.
void WriteSessionResults(ReportContext& context, ReportSink& sink);

// The width of a session list of `sessions` sessions.
int SessionListWidth(const Club& club, int sessions);

} // namespace velk
