#include "gui/reports/ReportPrinting.h"

#include "core/SafeSave.h"
#include "gui/options/OptionsPrinter.h"
#include "reports/ReportPages.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

namespace ReportPrinting {

QFont ReportFont(const velk::TConfigObj& config) {
    std::string name = config.PrinterFontName.get();
    if (name.empty())
        name = std::string(velk::kStandardPrinterFont);
    const int size = config.printerFontSize() > 0 ? config.printerFontSize() : velk::kStandardPrinterFontSize;
    QFont font = OptionsPrinter::PrintFont(name, size);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool PrintReport(QPrinter& printer, const velk::ReportDocument& report, const velk::TConfigObj& config) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = ReportFont(config);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    velk::PageLayout layout;
    layout.pageHeight = page.height();
    layout.topMargin = config.TopMargin;
    layout.bottomMargin = config.BottomMargin;
    // The options' line height is of the printer they were measured on; on another (Qt's PDF
    // printer when the system has none) lines never come closer than the font's own spacing.
    layout.lineHeight = std::max<int>(config.LineHeight, metrics.lineSpacing());
    layout.lineHeight = std::max(layout.lineHeight, 1);
    std::vector<std::string> owner;
    if ((config.OptionFlags & velk::OptionFlag::PrintPersonalData) != 0)
        owner = velk::OwnerLines(config);
    const auto pages = velk::LayPages(report, layout, owner);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        int y = layout.topMargin + metrics.ascent();
        for (const velk::PrintedLine& line : pages[p]) {
            painter.setFont(line.bold ? bold : font);
            painter.drawText(config.LeftMargin, y, QString::fromStdString(line.text));
            y += layout.lineHeight;
        }
    }
    return painter.end();
}

bool SaveReportPdf(const QString& path, const velk::ReportDocument& report, const velk::TConfigObj& config,
                   bool landscape) {
    auto printer = OptionsPrinter::MakePrinter(config.PrinterIndex, landscape);
    printer->setOutputFormat(QPrinter::PdfFormat);
    // Printed to a scratch file first; the bytes then go through the safe save, so that the
    // previous file stays as backup until the new one is complete.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString partial = scratch.filePath(QStringLiteral("report.pdf"));
    printer->setOutputFileName(partial);
    if (!PrintReport(*printer, report, config))
        return false;
    printer.reset();
    QFile file(partial);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return velk::SaveFileAtomically(path.toStdString(), {data, static_cast<std::size_t>(bytes.size())},
                                    ".~pd");
}

} // namespace ReportPrinting
