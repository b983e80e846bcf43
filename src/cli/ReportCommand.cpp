// velk-cli report: a list of the result window written to standard output, as text or as the
// HTML page "Bewaar" makes.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionScores.h"
#include "cli/UsageTexts.h"
#include "reports/HtmlReport.h"
#include "reports/ReportDocument.h"
#include "reports/ReportWriters.h"
#include "reports/SlamTotalsReport.h"

#include <iostream>

namespace velk::cli {

namespace {

// "F-L" or "N": the competitions of the totals; false when the text is not a range.
bool ParseCompetitions(const std::string& text, int& first, int& last) {
    const auto dash = text.find('-');
    try {
        first = std::stoi(text.substr(0, dash));
        last = dash == std::string::npos ? first : std::stoi(text.substr(dash + 1));
    } catch (const std::exception&) {
        return false;
    }
    return first >= 0 && last >= first && last <= 100;
}

} // namespace

int RunReport(const Args& raw) {
    const ArgParser args(raw, {"session", "kind", "competitions", "groups", "drives"});
    int kind = 0;
    if (args.positional().size() != 1 || !args.unknown({"yes", "no", "html"}).empty() ||
        !args.value("kind") || !args.intValue("kind", kind)) {
        std::cerr << UsageOf("report");
        return 2;
    }
    const ReportKind reportKind = static_cast<ReportKind>(kind);
    OpenCompetition open(args.answerYes(), CompanionFiles::None);
    if (const int status = open.OpenNamed(args))
        return status;
    Club& club = open.club;
    ReportContext context(club, open.dialogs, reportKind);
    context.html = args.has("html");
    const auto groups = ParseGroupRange(args.value("groups").value_or("*"), club.CompetitionHead.GroupCount);
    if (!groups)
        return 2;
    context.groups.SelFirstGroup = static_cast<std::int16_t>(groups->first);
    context.groups.SelLastGroup = static_cast<std::int16_t>(groups->second);
    int first = reportKind == ReportKind::SlamTotals ? 0 : 1;
    int last = std::max(club.CompetitionNumber, 1);
    if (const auto competitions = args.value("competitions");
        competitions && !ParseCompetitions(*competitions, first, last)) {
        std::cerr << "--competitions: geen reeks: " << *competitions << '\n';
        return 2;
    }
    context.range.RangeFirst = static_cast<std::int16_t>(first);
    context.range.RangeLast = static_cast<std::int16_t>(last);
    open.dialogs.inputAnswer = args.value("drives");

    const std::string title =
        "V.L.K" + ReportTitle(reportKind, club.CompetitionHead.CalcMethod == CalcTopIntegral);
    if (reportKind == ReportKind::SlamTotals && context.html) {
        std::cout << HtmlHead(title) << '\n' << SlamTotalsHtml(context) << kHtmlTail << '\n';
        return std::cout.good() ? 0 : 1;
    }
    ReportDocument document;
    if (!WriteReport(context, document)) {
        std::cerr << "--kind: deze lijst wordt niet door velk-cli report geschreven: " << kind << '\n';
        return 2;
    }
    if (context.cancelled)
        return 1;
    std::cout << (context.html ? HtmlPage(document, title) : document.plainText());
    if (!context.warnings.empty())
        std::cerr << context.warnings << '\n';
    return std::cout.good() ? 0 : 1;
}

} // namespace velk::cli
