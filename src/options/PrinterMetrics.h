#pragma once

#include "core/records/ConfigRecord.h"

#include <string_view>

namespace velk {

// The text whose printed width gives the average character width (40 characters).
inline constexpr std::string_view kPrinterSampleText = "AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/";
// The font the printer gets when the options ask for the standard font.
inline constexpr std::string_view kStandardPrinterFont = "Courier New";
inline constexpr int kStandardPrinterFontSize = 10;

// What the printer tells about the page and its font, in printer pixels.
struct PrinterMeasurements {
    int sampleTextWidth = 0; // width of kPrinterSampleText
    int fontHeight = 0;      // may be negative, as Windows gives it for character heights
    int pageWidth = 0;
    int pageHeight = 0;
    int pixelsPerInch = 0;
    bool landscape = false;
};

struct PrinterMetrics {
    int CharWidth = 1;
    int LineHeight = 1;
    int PageLines = 0;
    int PageHeight = 0;
    int PageUnitH = 0;
    int PageUnitV = 0;
    // Percent: a landscape page counts each printed line as 1.4 lines.
    int PrintWidthFactor = 100;
};

PrinterMetrics ComputePrinterMetrics(const PrinterMeasurements& measured);

// Lines of text on a page within the top and bottom margins of the configuration: the page height
// in lines rounded, less the margins in whole lines; never negative.
int LinesPerPage(const PrinterMetrics& metrics, const TConfigObj& config);

// Whether the next line starts a new page: the weighted count of printed lines has reached the
// lines per page less one.
bool NeedsNewPage(int printedLines, int linesPerPage, int printWidthFactor);

// Stores the line height and the lines per page in the configuration record.
void ApplyPrinterMetrics(const PrinterMetrics& metrics, TConfigObj& config);

} // namespace velk
