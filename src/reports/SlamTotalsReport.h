#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

#include <array>
#include <string>
#include <vector>

namespace velk {

// The slams made per pair over the season: context.range.RangeFirst names one competition, 0 all
// competitions up to the open one. The points come from the open competition's slam bonus table.
struct SlamTotalsRow {
    int clubNumber = 0;
    std::string name;
    std::array<int, 6> counts{}; // by SlamKind
    int total = 0;
    int points = 0;
};
struct SlamTotals {
    std::string competitionText; // "1 t.e.m.3" or the chosen number
    std::vector<SlamTotalsRow> rows;
    int total = 0;
};

// Reads the competitions and their slam files; a missing slam file is reported and left out.
SlamTotals CountSlams(ReportContext& context);

// The text form of kind 20.
void WriteSlamTotals(ReportContext& context, ReportSink& sink);

// The HTML form of kind 20: a table, with the page head before it when "Print kop" is on. The
// body of the page only; HtmlHead and the tail go around it.
std::string SlamTotalsHtml(ReportContext& context);

} // namespace velk
