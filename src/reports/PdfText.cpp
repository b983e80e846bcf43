#include "reports/PdfText.h"

#include "core/SafeSave.h"
#include "core/TextEncoding.h"
#include "core/records/ConfigRecord.h"
#include "reports/ReportPages.h"

#include <algorithm>

namespace velk {

namespace {

// One line as a PDF string in WinAnsi.
std::string PdfString(const std::string& utf8) {
    std::string out = "(";
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t c = NextCodePoint(utf8, at);
        if (c == U'\u2500')
            c = '-';
        else if (c == U'\u2550')
            c = '=';
        else if (c == U'\u2502')
            c = '|';
        else if (c > 0xFF || (c >= 0x80 && c < 0xA0))
            c = '?';
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += static_cast<char>(c);
    }
    return out + ")";
}

std::string PageContent(const PrintedPage& lines, const PdfPage& page) {
    const int leading = page.fontSize * 12 / 10;
    const std::string size = " " + std::to_string(page.fontSize) + " Tf\n";
    std::string content = "BT\n/F1" + size + std::to_string(leading) + " TL\n" + std::to_string(page.margin) +
                          " " + std::to_string(page.height - page.margin - page.fontSize) + " Td\n";
    bool bold = false;
    for (const PrintedLine& line : lines) {
        if (line.bold != bold) {
            bold = line.bold;
            content += (bold ? "/F2" : "/F1") + size;
        }
        content += PdfString(line.text) + " Tj T*\n";
    }
    return content + "ET\n";
}

} // namespace

PdfPage PdfPageOf(const TConfigObj& config, int reportWidth) {
    PdfPage page;
    if (config.printerFontSize() > 0)
        page.fontSize = std::clamp(config.printerFontSize(), 6, 24);
    if (PrintsLandscape(false, reportWidth, (config.OptionFlags & OptionFlag::Landscape) != 0))
        std::swap(page.width, page.height);
    return page;
}

std::string PdfTextDocument(const ReportDocument& report, const PdfPage& page) {
    PageLayout layout;
    layout.pageHeight = page.height * 10;
    layout.topMargin = page.margin * 10;
    layout.bottomMargin = page.margin * 10;
    layout.lineHeight = page.fontSize * 12;
    const std::vector<PrintedPage> pages = LayPages(report, layout);

    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    auto object = [&](const std::string& body) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    const int count = static_cast<int>(pages.size());
    std::string kids;
    for (int i = 0; i < count; ++i)
        kids += std::to_string(5 + 2 * i) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(count) + " >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Courier-Bold /Encoding /WinAnsiEncoding >>");
    for (int i = 0; i < count; ++i) {
        object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(page.width) + " " +
               std::to_string(page.height) + "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
               std::to_string(6 + 2 * i) + " 0 R >>");
        const std::string content = PageContent(pages[static_cast<std::size_t>(i)], page);
        object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        std::string number = std::to_string(offset);
        pdf += std::string(10 - std::min<std::size_t>(10, number.size()), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

bool SaveReportPdfText(const std::string& path, const ReportDocument& report, const PdfPage& page) {
    const std::string pdf = PdfTextDocument(report, page);
    const auto* data = reinterpret_cast<const std::uint8_t*>(pdf.data());
    return SaveFileAtomically(path, {data, pdf.size()}, ".~pd");
}

} // namespace velk
