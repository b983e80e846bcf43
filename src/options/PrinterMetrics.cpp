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
    p.PageUnitH = m.pageWidth * 10 / 203;
    p.PageUnitV = m.pixelsPerInch / 25;
    p.PrintWidthFactor = m.landscape ? 140 : 100;
    return p;
}

int LinesPerPage(const PrinterMetrics& metrics, const TConfigObj& config) {
    const int margins = (config.TopMargin + config.BottomMargin) / std::max(1, metrics.LineHeight);
    return std::max(0, metrics.PageLines - margins);
}

bool NeedsNewPage(int printedLines, int linesPerPage, int printWidthFactor) {
    return printWidthFactor * printedLines >= (linesPerPage - 1) * 100;
}

void ApplyPrinterMetrics(const PrinterMetrics& metrics, TConfigObj& config) {
    config.LineHeight = static_cast<std::uint16_t>(std::clamp(metrics.LineHeight, 0, 0xFFFF));
    config.LinesPerPage = static_cast<std::uint16_t>(std::min(LinesPerPage(metrics, config), 0xFFFF));
}

} // namespace velk
