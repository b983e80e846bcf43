#include "reports/ResultListHeader.h"

#include "core/TextHelpers.h"
#include "reports/ReportFields.h"

namespace velk {

namespace {

bool IsSessionList(ReportKind kind) {
    return static_cast<int>(kind) >= 1 && static_cast<int>(kind) <= 4;
}

// Day and month of a date; a one-digit day gets its leading zero first.
std::string DayAndMonth(std::string date) {
    const std::size_t dash = date.find('-');
    if (dash == 1)
        date = "0" + date;
    return PadRight(date.substr(0, 5), 5);
}

} // namespace

int HeaderIndent(ReportKind kind) {
    switch (kind) {
    case ReportKind::PointsByNumber:
    case ReportKind::PointsByRank:
        return 30;
    case ReportKind::PercentagesByNumber:
        return 29;
    default:
        return 31;
    }
}

std::string CompetitionLine(const HeaderColumns& columns) {
    std::string line = "Competitie: ";
    if (IsSessionList(columns.kind)) {
        line += IntField(columns.competitionNumber, 3) + Repeat(" ", HeaderIndent(columns.kind) - 14) +
                "Zitting : ";
    } else {
        line += Repeat(" ", HeaderIndent(columns.kind));
    }
    for (const int number : columns.numbers)
        line += IntField(number, 2) + Repeat(" ", 10);
    return line;
}

std::string GroupDateLine(const HeaderColumns& columns, char groupLetter) {
    const bool sessions = IsSessionList(columns.kind);
    std::string line = sessions ? std::string("Groep : ") + groupLetter : Repeat(" ", 9);
    line += Repeat(" ", HeaderIndent(columns.kind) - (sessions ? 11 : 12)) + "Speeldatum : ";
    for (const std::string& date : columns.dates)
        line += DayAndMonth(date) + Repeat(" ", 7);
    return line;
}

std::string ColumnLine(const HeaderColumns& columns) {
    const bool sessions = IsSessionList(columns.kind);
    const bool points =
        columns.kind == ReportKind::PointsByNumber || columns.kind == ReportKind::PointsByRank;
    std::string line =
        sessions ? "  Nr.        NAAM " + Repeat(" ", 21) : "ClubNr.        NAAM " + Repeat(" ", 19);
    for (std::size_t i = 0; i < columns.numbers.size(); ++i)
        line += points ? "punt.Invr.  " : " perct  pl. ";
    line += points ? "Totaal pl." : " Totaal  pl.";
    return line;
}

void WriteHeaderColumns(ReportSink& sink, const ReportStyle& style, int width, bool printHead,
                        const HeaderColumns& columns, char groupLetter) {
    sink.emptyLine();
    if (columns.competitionNumber > 0)
        sink.line(CompetitionLine(columns));
    sink.line(style.single(width));
    sink.line(GroupDateLine(columns, groupLetter));
    sink.line(ColumnLine(columns));
    sink.boldOff();
    if (printHead)
        sink.line(style.doubled(width));
}

void WriteGroupHead(ReportSink& sink, const ReportStyle& style, int width, const HeaderColumns& columns,
                    char groupLetter) {
    sink.line(style.single(width));
    sink.emptyLine();
    sink.boldOn();
    sink.line(GroupDateLine(columns, groupLetter));
    sink.line(ColumnLine(columns));
    sink.boldOff();
    sink.line(style.doubled(width));
}

} // namespace velk
