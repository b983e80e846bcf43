#include "gui/schedules/SchedulePrinting.h"

#include "gui/schedules/DefaultPrinter.h"
#include "schedules/ScheduleGridLines.h"

#include <QFontMetrics>

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
    DefaultPrintJob job(dialogs, landscape);
    if (!job.started())
        return;
    QPrinter& printer = job.printer();
    QPainter& painter = job.painter();
    QFont font(QStringLiteral("Courier New"), 10);
    const QFontMetrics metrics(font, &printer);
    const QRect page = job.page();
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
}
