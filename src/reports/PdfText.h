#pragma once

#include "reports/ReportDocument.h"

#include <string>

namespace velk {

struct TConfigObj;

// A page of monospaced text in points: the lists in Courier without a printer.
struct PdfPage {
    int width = 595; // A4
    int height = 842;
    int margin = 28; // 10 mm
    int fontSize = 10;
};

// The page of a report of `reportWidth` characters: A4, turned for wide lists or "Liggend", in the
// options' font size.
PdfPage PdfPageOf(const TConfigObj& config, int reportWidth);

// The report as a PDF document of Courier text: the same lines, bold and page breaks as on paper.
// Characters outside Latin-1 print as their nearest plain form (box lines as "-", "=" and "|").
std::string PdfTextDocument(const ReportDocument& report, const PdfPage& page);

// Saves it, the previous file kept as backup until the new one is complete.
bool SaveReportPdfText(const std::string& path, const ReportDocument& report, const PdfPage& page);

} // namespace velk
