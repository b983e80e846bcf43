#include "reports/GuideCardsReport.h"

#include "core/TextHelpers.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionPositions.h"

#include <algorithm>
#include <vector>

namespace velk {

namespace {

// Two cards stand side by side on a landscape page of 120 characters.
constexpr int kCardWidth = 60;

std::string Label(const SessionPositions& s, int pair) {
    return RightField(s.pairLabel(pair), 3);
}

std::string OpponentText(const SessionPositions& s, const ListPosition& p) {
    if (!p.seated)
        return TextField(" YY ", 32);
    if (!s.individual())
        return TextField(Label(s, p.opponent) + " " + s.pairName(p.opponent), 32);
    return TextField(
        "met" + Label(s, p.opponent) + " tegen" + Label(s, p.opponent2) + " en" + Label(s, p.opponent3), 32);
}

std::string RoundLine(const SessionPositions& s, int round, const ListPosition& p) {
    const std::string table = p.seated ? s.tableText(p.table) : "";
    const char* direction = !p.seated ? " XX " : p.northSouth ? " NZ " : " OW ";
    return IntField(round, 4) + "  " + PadLeft(table, 5) + " " + direction + "  " + OpponentText(s, p) +
           "   " + s.boardsText(p.seated ? p.letter : kBlankLetter);
}

// The lines of one pair's card; nothing when the schedule does not reach a round.
std::optional<std::vector<std::string>> Card(const SessionPositions& s, int pair) {
    std::vector<std::string> lines;
    lines.push_back(std::string(s.individual() ? " SPELER" : " PAAR") + Label(s, pair) + " " +
                    TextField(s.pairName(pair), 35) + "   Zitting:" + IntField(s.session(), 2));
    lines.push_back(std::string(" ronde tafel NZ/OW") + TextField("  tegen", 35) + "spellen");
    for (int r = 1; r <= s.rounds(); ++r) {
        const std::optional<ListPosition> p = s.find(pair, r);
        if (!p)
            return std::nullopt;
        lines.push_back(RoundLine(s, r, *p));
    }
    return lines;
}

int CardRowsPerPage(int rounds) {
    if (rounds <= 5)
        return 6;
    return rounds == 6 ? 5 : 4;
}

// On paper the club chooses how many empty lines part the rows of cards.
int BlankLinesBetweenRows(ReportContext& context) {
    if (context.target != ReportTarget::Printer)
        return 1;
    std::string value = "0";
    if (!context.dialogs.inputText("Regels spatie ", "Geef aantal regels: ", value, 3))
        return 0;
    int lines = 0;
    for (char c : Trim(value)) {
        if (c < '0' || c > '9')
            return 0;
        lines = std::min(lines * 10 + (c - '0'), 20);
    }
    return lines;
}

} // namespace

void WriteGuideCards(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 120);
    context.landscape = true;
    const SessionPositions s(context.club, ListSession(context));
    if (!s.hasSchedule()) {
        ReportScheduleMissing(context.club, context.dialogs);
        context.cancelled = true;
        return;
    }
    std::vector<int> pairs;
    const int last = std::min<int>(context.range.RangeLast, context.club.CompetitionHead.PairCount);
    for (int p = std::max<int>(context.range.RangeFirst, 1); p <= last; ++p)
        if (s.plays(p))
            pairs.push_back(p);

    const int blankLines = BlankLinesBetweenRows(context);
    const int rowsPerPage = CardRowsPerPage(s.rounds());
    WriteListHead(context, sink);
    sink.emptyLine();
    sink.beginBlock();
    int rowsOnPage = 0;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        const auto left = Card(s, pairs[i]);
        const auto right = i + 1 < pairs.size() ? Card(s, pairs[i + 1]) : std::vector<std::string>{};
        if (!left || !right) {
            ReportScheduleMissing(context.club, context.dialogs);
            context.cancelled = true;
            return;
        }
        if (rowsOnPage == rowsPerPage) {
            sink.endBlock();
            sink.newPage();
            WriteListHead(context, sink);
            sink.emptyLine();
            sink.beginBlock();
            rowsOnPage = 0;
        }
        if (rowsOnPage > 0)
            for (int b = 0; b < blankLines; ++b)
                sink.emptyLine();
        for (std::size_t k = 0; k < left->size(); ++k)
            sink.line(right->empty() ? (*left)[k] : TextField((*left)[k], kCardWidth) + (*right)[k]);
        ++rowsOnPage;
    }
    sink.endBlock();
}

} // namespace velk
