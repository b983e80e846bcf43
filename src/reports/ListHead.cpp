#include "reports/ListHead.h"

#include <algorithm>

namespace velk {

int WriteListHead(ReportContext& context, ReportSink& sink) {
    const int length = WriteClubAndTitle(sink, context.heading, ReportTitle(context.kind), context.dialogs);
    sink.boldOff();
    return length;
}

int ListWidth(const ReportContext& context, int wanted) {
    return std::max(wanted, MinimumReportWidth(context.heading.clubName));
}

int ListSession(const ReportContext& context) {
    const int chosen = context.range.RangeSession;
    return chosen >= 1 && chosen <= context.club.SessionCount() ? chosen : context.club.CurrentSession;
}

} // namespace velk
