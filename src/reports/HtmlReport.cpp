#include "reports/HtmlReport.h"

#include "core/TextEncoding.h"

namespace velk {

std::string HtmlText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t c = NextCodePoint(utf8, at);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            out += static_cast<char>(c);
        else
            out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
    }
    return out;
}

std::string HtmlHead(std::string_view title) {
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\" "
           "\"http://www.w3.org/TR/REC-html40/loose.dtd\">"
           "<HTML><HEAD><TITLE>" +
           HtmlText(title) +
           "</TITLE>"
           "<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
           "</HEAD><BODY BGCOLOR=\"white\">";
}

std::string HtmlPage(const ReportDocument& report, std::string_view title) {
    std::string page = HtmlHead(title) + "\n";
    for (const ReportLine& entry : report.lines()) {
        switch (entry.kind) {
        case ReportLineKind::Text:
            page += HtmlText(entry.text) + "\n";
            break;
        case ReportLineKind::BeginBlock:
            page += "<PRE>\n";
            break;
        case ReportLineKind::EndBlock:
            page += "</PRE>\n";
            break;
        case ReportLineKind::BoldOn:
        case ReportLineKind::BoldOff:
        case ReportLineKind::NewPage:
            break;
        }
    }
    page += kHtmlTail;
    page += "\n";
    return page;
}

} // namespace velk
