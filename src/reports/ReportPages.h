#pragma once

#include "reports/ReportDocument.h"

#include <string>
#include <vector>

namespace velk {

struct TConfigObj;

// One line as it goes on paper.
struct PrintedLine {
    std::string text;
    bool bold = false;
    bool operator==(const PrintedLine&) const = default;
};
using PrintedPage = std::vector<PrintedLine>;

// The page in printer pixels, as the options keep it.
struct PageLayout {
    int pageHeight = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int lineHeight = 1;
};

// Lines that fit between the margins; at least one, so that a page always takes a line.
int LinesOnPage(const PageLayout& layout);

// Lays a report on pages: bold markers switch bold, a new-page marker breaks the page only when
// more than ten lines stand on it, a full page breaks before the next line. The owner's lines
// (with "Eigenaar") follow the last line.
std::vector<PrintedPage> LayPages(const ReportDocument& report, const PageLayout& layout,
                                  const std::vector<std::string>& ownerLines = {});

// The owner's data under a printed list: name, address, postal code and town, telephone.
std::vector<std::string> OwnerLines(const TConfigObj& config);

// Paper turns when the report asks for it, when it is wider than 100 characters, or when the
// options say "Liggend".
bool PrintsLandscape(bool reportAsks, int reportWidth, bool optionLandscape);

} // namespace velk
