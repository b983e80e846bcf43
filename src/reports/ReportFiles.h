#pragma once

#include "core/Dialogs.h"
#include "reports/ReportDocument.h"

#include <string>
#include <string_view>

namespace velk {

inline constexpr const char* kAskSaveAsHtml = "Opslaan als HTML bestand ?";
inline constexpr const char* kSavedAsText = "Bewaren overzicht(en) met stippellijnen is gelukt: ";
inline constexpr const char* kSavedAsHtml = "Bewaren overzicht(en)als HTM-bestand is gelukt: ";
inline constexpr const char* kSavedAsPdf = "Bewaren overzicht(en) als PDF-bestand is gelukt: ";

// The save dialog of a list beside the competition at `competitionPath`: an HTML page, or a text
// file with a PDF of the printed pages offered beside it.
FileChoice ReportSaveChoice(bool html, const std::string& competitionPath);

// The title of a saved page: "V.L.K" and the report's title.
std::string HtmlTitleOf(std::string_view reportTitle);

// The report as a UTF-8 text file without marker lines; the previous file stays as backup until
// the new one is complete.
bool SaveReportText(const std::string& path, const ReportDocument& report);
// The report as an HTML page in ISO-8859-1, every group block in <PRE>.
bool SaveReportHtml(const std::string& path, const ReportDocument& report, std::string_view reportTitle);
// A whole HTML page, written as the lists are.
bool SaveHtmlPage(const std::string& path, const std::string& page);

} // namespace velk
