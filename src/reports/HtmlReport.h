#pragma once

#include "reports/ReportDocument.h"

#include <string>
#include <string_view>

namespace velk {

// HTML pages are written in ISO-8859-1: a UTF-8 text becomes Latin-1 bytes, with a character
// reference for anything outside it and for the characters HTML reserves.
std::string HtmlText(std::string_view utf8);

// The document type, head and body start of every page, written one piece after another.
std::string HtmlHead(std::string_view title);
inline constexpr const char* kHtmlTail = "</BODY></HTML>";

// A whole report as a page: the head with `title`, every block between <PRE> and </PRE>, text
// outside a block in lines of its own, and the tail. Marker lines have no place on a page.
std::string HtmlPage(const ReportDocument& report, std::string_view title);

} // namespace velk
