#include "reports/ReportWriters.h"

#include "reports/SlamTotalsReport.h"
#include "reports/SummerDrivesReport.h"
#include "reports/YearTotalsReport.h"

namespace velk {

bool WriteReport(ReportContext& context, ReportSink& sink) {
    switch (context.kind) {
    case ReportKind::YearTotalsByNumber:
    case ReportKind::YearTotalsByPlace:
        WriteYearTotals(context, sink);
        return true;
    case ReportKind::SummerDrives:
        WriteSummerDrives(context, sink);
        return true;
    case ReportKind::SlamTotals:
        WriteSlamTotals(context, sink);
        return true;
    default:
        return false;
    }
}

} // namespace velk
