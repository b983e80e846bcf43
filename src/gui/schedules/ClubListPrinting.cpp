#include "gui/schedules/ClubListPrinting.h"

#include "club/ClubListPrint.h"
#include "gui/schedules/DefaultPrinter.h"

#include <QFontMetrics>

void PrintClubList(velk::Dialogs& dialogs, const velk::Club& club, const std::string& title) {
    DefaultPrintJob job(dialogs, (club.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0);
    if (!job.started())
        return;
    QPainter& painter = job.painter();
    const QFont font(QString::fromStdString(club.ConfigRecord.PrinterFontName.get()), 10);
    painter.setFont(font);
    const QFontMetrics metrics(font, &job.printer());
    const QRect page = job.page();
    const int pageChars =
        std::max(40, page.width() / std::max(1, metrics.horizontalAdvance(QLatin1Char('M'))));
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int lines = std::min<int>(club.ConfigRecord.LinesPerPage > 0 ? club.ConfigRecord.LinesPerPage : 60,
                                    page.height() / lineHeight);
    const auto pages = velk::ClubListPages(club, title, velk::ClubListColumns(pageChars), lines,
                                           club.PairList.size() > 1 && club.PairList[1].Rang != 0);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            job.printer().newPage();
        int y = metrics.ascent();
        for (const auto& line : pages[p]) {
            painter.drawText(0, y, QString::fromStdString(line));
            y += lineHeight;
        }
    }
}
