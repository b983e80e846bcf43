#include "options/PrinterMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velk {

PrinterMetrics ComputePrinterMetrics(const PrinterMeasurements& m) {
    PrinterMetrics p;
    p.CharWidth = m.sampleTextWidth / static_cast<int>(kPrinterSampleText.size()) + 1;
    // A printer that reports no font height still gets a line height, so nothing divides by 0.
    p.LineHeight = std::max(1, static_cast<int>(std::lround(std::abs(m.fontHeight) * 1.2)));
    p.PageLines = m.pageHeight / p.LineHeight;
    p.PageHeight = m.pageHeight;
    p.PageUnitH = m.pageWidth * 10 / 203;
    p.PageUnitV = m.pixelsPerInch / 25;
    p.PrintWidthFactor = m.landscape ? 140 : 100;
    return p;
}

int LinesPerPage(const PrinterMetrics& metrics, const TConfigObj& config) {
    const int lineHeight = std::max(1, metrics.LineHeight);
    const int margins = (config.TopMargin + config.BottomMargin) / lineHeight;
    // A page that holds most of one more line counts it: the page is rounded, the margins not.
    const int pageLines = static_cast<int>(std::lround(static_cast<double>(metrics.PageHeight) / lineHeight));
    return std::max(0, pageLines - margins);
}

bool NeedsNewPage(int printedLines, int linesPerPage, int printWidthFactor) {
    return printWidthFactor * printedLines >= (linesPerPage - 1) * 100;
}

void ApplyPrinterMetrics(const PrinterMetrics& metrics, TConfigObj& config) {
    config.LineHeight = static_cast<std::uint16_t>(std::clamp(metrics.LineHeight, 0, 0xFFFF));
    config.LinesPerPage = static_cast<std::uint16_t>(std::min(LinesPerPage(metrics, config), 0xFFFF));
}

} // namespace velk
