#include "gui/schedules/SchedulePrinting.h"

#include "schedules/ScheduleGridLines.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
std::vector<std::string> Texts(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}
} // namespace

void PrintScheduleGrid(velk::Dialogs& dialogs, bool landscape, const QString& caption,
                       const QString& fileName, const QStringList& header,
                       const std::vector<int>& pixelWidths, const std::vector<QStringList>& rows) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        dialogs.information("Geen Printer aanwezig");
        return;
    }
    if (dialogs.messageBox("Afdrukken op printer: \r" + info.printerName().toStdString(),
                           velk::MessageKind::Information, velk::Button::JaNee) == velk::Result::No)
        return;
    QPrinter printer(info);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs.error("P R I N T E R  N I E T  K L A A R");
        return;
    }
    QFont font(QStringLiteral("Courier New"), 10);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    // Grid widths scale to the page as the screen's 640 pixels (the first column's 800) do.
    std::vector<int> widths;
    for (std::size_t c = 0; c < pixelWidths.size(); ++c)
        widths.push_back(pixelWidths[c] * page.width() / (c == 0 ? 800 : 640) / charWidth);
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : rows)
        cells.push_back(Texts(row));
    const auto lines = velk::ScheduleGridLines(Texts(header), widths, cells);

    const int lineHeight = std::max(1, metrics.lineSpacing());
    int y = metrics.ascent();
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(0, y, caption + QStringLiteral("  ") + fileName);
    painter.setFont(font);
    y += 2 * lineHeight;
    for (const auto& line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, QString::fromStdString(line));
        y += lineHeight;
    }
    painter.end();
}
