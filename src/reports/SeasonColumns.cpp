#include "reports/SeasonColumns.h"

#include "core/TextHelpers.h"
#include "reports/PageHeader.h"
#include "reports/ReportFields.h"

#include <algorithm>

namespace velk {

namespace {

// The width of the name column of the heads of kinds 5, 6 and 17.
constexpr int kSeasonColumn = 31;

// Day and month of a date, the day first made two digits.
std::string DayAndMonth(std::string date) {
    const std::size_t dash = date.find('-');
    if (dash == 1)
        date = "0" + date;
    return PadRight(Truncate(date, 5), 5);
}

} // namespace

void RankSeasonRows(std::vector<SeasonRow>& rows) {
    for (SeasonRow& row : rows)
        row.place = 1 + static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const SeasonRow& o) {
                        return o.total > row.total;
                    }));
}

int SeasonWidth(const ReportContext& context, int columns) {
    return std::max(52 + 12 * columns, MinimumReportWidth(context.heading.clubName));
}

void WriteSeasonHeader(ReportContext& context, ReportSink& sink, const SeasonHeading& heading) {
    const int columns = static_cast<int>(heading.numbers.size());
    context.width = SeasonWidth(context, columns);
    const bool topIntegral = context.club.CompetitionHead.CalcMethod == CalcTopIntegral;
    sink.beginBlock();
    WriteClubAndTitle(sink, context.heading, ReportTitle(context.kind, topIntegral), context.dialogs);
    std::string numbers;
    for (const int n : heading.numbers)
        numbers += IntField(n, 2) + Repeat(" ", 10);
    if (heading.drives) {
        sink.boldOff();
        sink.emptyLine();
        sink.line("ZomerDrive: " + Repeat(" ", kSeasonColumn) + numbers);
    } else {
        sink.emptyLine();
        if (heading.competitionLine)
            sink.line("Competitie: " + Repeat(" ", kSeasonColumn) + numbers);
        sink.line(context.style.single(context.width));
        std::string dates = Repeat(" ", 9) + Repeat(" ", kSeasonColumn - 12) + "Speeldatum : ";
        for (const std::string& date : heading.dates)
            dates += DayAndMonth(date) + Repeat(" ", 7);
        sink.line(dates);
        std::string columnLine = "ClubNr.        NAAM " + Repeat(" ", 19);
        for (int i = 0; i < columns; ++i)
            columnLine += " perct  pl. ";
        sink.line(columnLine + " Totaal  pl.");
        sink.boldOff();
    }
    if (context.heading.printHead)
        sink.line(context.style.doubled(context.width));
}

std::string SeasonRowText(ReportContext& context, const SeasonRow& row, const std::vector<TParenObj>& pairs) {
    const auto pair = std::find_if(pairs.begin() + (pairs.empty() ? 0 : 1), pairs.end(),
                                   [&](const TParenObj& p) { return p.ClubNr == row.clubNumber; });
    std::string text;
    if (pair == pairs.end()) {
        context.dialogs.error(kNoPairFound + std::to_string(row.clubNumber));
        text = " XX " + Repeat(" ", 3) + TextField(kPairAbsent, 32);
    } else {
        text = IntField(row.clubNumber, 4) + Repeat(" ", 3) + TextField(pair->Naam.get(), 32);
    }
    for (const SeasonCell& cell : row.cells)
        text += FixedField(cell.result, 7, 2) + IntField(cell.rank, 4) + " ";
    return text + FixedField(row.total, 8, 2) + IntField(row.place, 4);
}

} // namespace velk
