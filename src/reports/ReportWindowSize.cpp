#include "reports/ReportWindowSize.h"

#include <algorithm>
#include <cstdlib>

namespace velk {

ReportWindowSize SizeReportWindow(const ReportWindowInput& in) {
    ReportWindowSize size;
    const int extra = in.kind == ReportKind::SlamTotals ? 25 : 0;
    size.width = std::min(std::min(760, in.fontSize * in.reportWidth) + extra, 770 + extra);
    size.memoWidth = size.width - 45;
    const int rows = in.groupCount > 1 ? std::min(20, in.pairsPerGroup) : std::min(in.pairCount, 20);
    const int lineHeight = 12 * std::abs(in.fontHeight);
    size.memoHeight = (rows + 10) * lineHeight / 10 + 10;
    size.height = std::min(in.screenHeight - 60, size.memoHeight + 140);
    size.horizontalScrollBar = size.memoWidth < in.fontSize * in.reportWidth / 1.2 + 10;
    return size;
}

} // namespace velk
