#include "reports/ReportFiles.h"

#include "core/SafeSave.h"
#include "reports/HtmlReport.h"

#include <filesystem>

namespace velk {

namespace {

// A saved list keeps its previous version as ".~" and the first two letters of its extension.
std::string BackupOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return ".~";
    return ".~" + path.substr(dot + 1, 2);
}

bool SaveBytes(const std::string& path, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return SaveFileAtomically(path, {data, bytes.size()}, BackupOf(path));
}

} // namespace

FileChoice ReportSaveChoice(bool html, const std::string& competitionPath) {
    const std::filesystem::path folder = std::filesystem::path(competitionPath).parent_path();
    if (html)
        return {"Red naar bestand: ", "HTML files (*.htm)|*.HTM", "htm", (folder / "*.htm").string()};
    return {"Red naar bestand: ", "Text files (*.txt)|*.TXT|PDF files (*.pdf)|*.PDF", "txt",
            (folder / "*.txt").string()};
}

std::string HtmlTitleOf(std::string_view reportTitle) {
    return "V.L.K" + std::string(reportTitle);
}

bool SaveReportText(const std::string& path, const ReportDocument& report) {
    return SaveBytes(path, report.plainText());
}

bool SaveReportHtml(const std::string& path, const ReportDocument& report, std::string_view reportTitle) {
    return SaveHtmlPage(path, HtmlPage(report, HtmlTitleOf(reportTitle)));
}

bool SaveHtmlPage(const std::string& path, const std::string& page) {
    return SaveBytes(path, page);
}

} // namespace velk
