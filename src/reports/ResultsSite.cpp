#include "reports/ResultsSite.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/SilentDialogs.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "hands/BoardHandsText.h"
#include "hands/SessionHandRecord.h"
#include "reports/PairBoardRows.h"
#include "reports/ReportDocument.h"
#include "reports/ReportWriters.h"
#include "reports/SessionMatchPoints.h"
#include "reports/SiteHtml.h"
#include "reports/SiteStyleSheet.h"
#include "reports/TravellerLines.h"
#include "reports/UsebioExport.h"
#include "scoring/MatchPointRules.h"

#include <algorithm>
#include <filesystem>

namespace velk {

namespace {

std::string Letter(int group) {
    return std::string(1, GroupLetter(group));
}

const TParenObj& PairOf(const Club& club, int group, int row) {
    return club.PairList[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row)];
}

const TCalcObj* ResultOf(const Club& club, int session, int group, int row) {
    if (session < 1 || session > club.SessionCount())
        return nullptr;
    const auto& rows = club.SessionList[static_cast<std::size_t>(session - 1)].Rows;
    const auto i = static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row);
    return i < rows.size() ? &rows[i] : nullptr;
}

int GroupPairs(const Club& club, int group) {
    return club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)];
}

std::string Tenths(int tenths) {
    return tenths <= kNoMatchPoints ? std::string("–") : SiteDecimal(tenths / 10.0, 1);
}

std::string Cell(const std::string& html, bool number = false) {
    return (number ? "<td class=\"n\">" : "<td>") + html + "</td>";
}

std::string PairLink(const Club& club, int group, int row) {
    const int number = PairOf(club, group, row).GrpNr;
    return "<a href=\"" + SitePairFileName(group, number) + "\">" + Letter(group) + std::to_string(number) +
           "</a>";
}

// "=", "+1", "-2": the tricks against the contract's level.
std::string TricksText(const TravellerLine& line) {
    if (!line.tricks || line.contract.empty() || line.contract[0] < '1' || line.contract[0] > '7')
        return "";
    const int over = *line.tricks - (line.contract[0] - '0' + 6);
    return over == 0 ? "=" : (over > 0 ? "+" : "") + std::to_string(over);
}

struct Site {
    const ResultsSiteInput& in;
    const Club& club;
    bool percentages;
    std::string pointsLabel;

    std::string sessionLine() const {
        std::string line =
            "Zitting " + std::to_string(club.CurrentSession) + ", " + club.SessionHead.SessionDate.get();
        if (club.CompetitionNumber > 0)
            line += ", competitie " + std::to_string(club.CompetitionNumber);
        return line;
    }
    std::string clubName() const { return club.ConfigRecord.Head.CompetitionName.get(); }
    int firstNumber() const { return FirstBoardOf(club.SessionHead); }

    std::string index() const {
        std::string body;
        for (const int g : in.groups) {
            std::vector<SiteRankingRow> rows;
            for (int k = 1; k <= GroupPairs(club, g); ++k) {
                const TCalcObj* r = ResultOf(club, club.CurrentSession, g, k);
                if (!r || !PairPlayed(in.session, g, k))
                    continue;
                const TParenObj& pair = PairOf(club, g, k);
                SiteRankingRow row{r->SessionRank,  pair.GrpNr,
                                   pair.Naam.get(), SitePairFileName(g, pair.GrpNr),
                                   r->Points,       std::nullopt};
                if (percentages)
                    row.percentage = double(r->Percentage) + double(r->Correction);
                rows.push_back(std::move(row));
            }
            std::stable_sort(rows.begin(), rows.end(), [](const SiteRankingRow& a, const SiteRankingRow& b) {
                return (a.place == 0 ? 9999 : a.place) < (b.place == 0 ? 9999 : b.place);
            });
            body += "<section>\n<h2>Groep " + Letter(g) + "</h2>\n" + SiteRankingTable(rows);
            body += "<p>Spellen:";
            for (int b = 1; b <= club.SessionHead.BoardCount; ++b) {
                const int number = b + firstNumber() - 1;
                body += " <a href=\"" + SiteBoardFileName(number) + "\">" + std::to_string(number) + "</a>";
            }
            body += "</p>\n</section>\n";
        }
        return SitePage(clubName(), sessionLine(), body);
    }

    std::string traveller(int group, int board) const {
        // A session without leads keeps the traveller it always had.
        const bool leads = !in.leads.empty();
        const int number = board + firstNumber() - 1;
        std::string html = "<div class=\"scroll\"><table class=\"traveller\">\n<tr><th class=\"n\">NZ</th>"
                           "<th class=\"n\">OW</th><th>Contract</th><th>Door</th>" +
                           std::string(leads ? "<th>Uitkomst</th>" : "") +
                           "<th>Resultaat</th><th class=\"n\">Score NZ</th><th class=\"n\">Score OW</th>"
                           "<th class=\"n\">" +
                           pointsLabel + " NZ</th><th class=\"n\">" + pointsLabel + " OW</th></tr>\n";
        for (const TravellerLine& l :
             TravellerLines(club, in.session.scores, in.session.matchPoints, group, board)) {
            const auto link = [&](int number) {
                return "<a href=\"" + SitePairFileName(group, number) + "\">" + std::to_string(number) +
                       "</a>";
            };
            html += "<tr>" + Cell(link(l.northSouthPair), true) + Cell(link(l.eastWestPair), true);
            if (l.adjusted) {
                html += leads ? "<td colspan=\"6\">arbitraal</td>" : "<td colspan=\"5\">arbitraal</td>";
            } else {
                const bool passed = l.contract == "PASS";
                const std::string lead = LeadAt(in.leads, GroupLetter(group), number, l.northSouthRow);
                html += Cell(SiteContract(l.contract)) +
                        Cell(passed || l.contract.empty() ? "" : (l.declarerNorthSouth ? "NZ" : "OW")) +
                        (leads ? Cell(lead.empty() ? "" : SiteLeadCard(lead)) : "") + Cell(TricksText(l)) +
                        Cell(std::to_string(l.northSouthScore), true) +
                        Cell(std::to_string(-l.northSouthScore), true);
            }
            html += Cell(Tenths(l.northSouthPoints), true) + Cell(Tenths(l.eastWestPoints), true) + "</tr>\n";
        }
        return html + "</table></div>\n";
    }

    std::string boardPage(int board) const {
        const int number = board + firstNumber() - 1;
        std::string body = "<nav>";
        if (board > 1)
            body += "<a href=\"" + SiteBoardFileName(number - 1) + "\">Vorig spel</a>";
        if (board < club.SessionHead.BoardCount)
            body += "<a href=\"" + SiteBoardFileName(number + 1) + "\">Volgend spel</a>";
        body += "</nav>\n";
        for (const int g : in.groups)
            body += "<section>\n<h2>Groep " + Letter(g) + "</h2>\n" + traveller(g, board) + "</section>\n";
        if (const HandBoard* hands = in.session.hands ? in.session.hands->find(number) : nullptr) {
            body += "<section>\n<h2>Spelverdeling</h2>\n<div class=\"scroll\"><pre>";
            const auto lines = BoardHandsLines(*hands);
            // The title line is the page's subtitle already.
            for (std::size_t i = 1; i < lines.size(); ++i)
                body += SiteText(lines[i]) + "\n";
            body += "</pre></div>\n</section>\n";
        }
        // "Spel 5   Gever: Noord   Kwetsbaar: NZ" as one line of text.
        std::string subtitle = BoardTitleLine(number);
        for (std::size_t at; (at = subtitle.find("   ")) != std::string::npos;)
            subtitle.replace(at, 3, ", ");
        return SitePage("Spel " + std::to_string(number), subtitle, body);
    }

    std::string pairPage(int group, int row) const {
        const TParenObj& pair = PairOf(club, group, row);
        std::string body = "<div class=\"scroll\"><table class=\"pair\">\n";
        const std::string head = "<tr><th class=\"n\">Spel</th><th>Richting</th><th>Contract</th>"
                                 "<th class=\"n\">Score</th><th class=\"n\">" +
                                 pointsLabel + "</th><th class=\"n\">Totaal</th>" +
                                 (percentages ? "<th class=\"n\">%</th>" : "") + "</tr>\n";
        const int columns = percentages ? 7 : 6;
        int round = 0;
        for (const PairBoardRow& r : PairBoardRows(in.session, group, row)) {
            if (r.round != round)
                body += "<tr class=\"round\"><th colspan=\"" + std::to_string(columns) + "\">Ronde " +
                        std::to_string(r.round) + ", tegen " + PairLink(club, group, r.opponentRow) + " " +
                        SiteText(PairOf(club, group, r.opponentRow).Naam.get()) + "</th></tr>\n" + head;
            round = r.round;
            const TScoreObj& declarer = r.own->Contract.get().empty() ? *r.opponent : *r.own;
            std::string contract = SiteContract(UsebioContract(declarer.Contract.get()));
            if (!declarer.Result.get().empty() && declarer.Contract.get() != "PAS")
                contract += " " + SiteText(declarer.Result.get() == "C" ? "=" : declarer.Result.get());
            body +=
                "<tr>" +
                Cell("<a href=\"" + SiteBoardFileName(r.number) + "\">" + std::to_string(r.number) + "</a>",
                     true) +
                Cell(r.northSouth ? "NZ" : "OW") + Cell(contract) +
                Cell(PairBoardScore(*r.own, "niet gespeeld"), true) +
                Cell(SiteDecimal(r.matchPoints / 10.0, 1), true) +
                Cell(SiteDecimal(static_cast<double>(r.runningTenths) / 10.0, 1), true);
            if (percentages)
                body += Cell(SiteDecimal(r.runningPercentage, 2), true);
            body += "</tr>\n";
        }
        body += "</table></div>\n";
        std::string subtitle = "Groep " + Letter(group) + ", " + sessionLine();
        if (const TCalcObj* result = ResultOf(club, club.CurrentSession, group, row)) {
            body += "<p>Totaal: " + SiteDecimal(result->Points, 2) + " " + pointsLabel;
            if (percentages)
                body += ", " + SiteDecimal(double(result->Percentage) + double(result->Correction), 2) + " %";
            if (result->SessionRank > 0)
                body += ", plaats " + std::to_string(result->SessionRank);
            body += "</p>\n";
        }
        return SitePage("Paar " + Letter(group) + std::to_string(pair.GrpNr) + ": " + pair.Naam.get(),
                        subtitle, body);
    }

    std::string seasonPage() const {
        std::string body;
        const int sessions = std::min(club.CurrentSession, club.SessionCount());
        for (const int g : in.groups) {
            struct Line {
                int row;
                int rank;
            };
            std::vector<Line> lines;
            for (int k = 1; k <= GroupPairs(club, g); ++k)
                if (const TCalcObj* r = ResultOf(club, sessions, g, k); r && r->CompetitionRank > 0)
                    lines.push_back({k, r->CompetitionRank});
            std::stable_sort(lines.begin(), lines.end(),
                             [](const Line& a, const Line& b) { return a.rank < b.rank; });
            body += "<section>\n<h2>Competitie, groep " + Letter(g) +
                    "</h2>\n<div class=\"scroll\"><table class=\"totals\">\n<tr><th class=\"n\">Pl.</th>"
                    "<th class=\"n\">Paar</th><th>Namen</th>";
            for (int s = 1; s <= sessions; ++s)
                body += "<th class=\"n\">Z" + std::to_string(s) + "</th>";
            body += "<th class=\"n\">Totaal</th><th>Verloop</th></tr>\n";
            for (const Line& line : lines) {
                std::vector<std::optional<double>> chart;
                body += "<tr>" + Cell(std::to_string(line.rank), true) +
                        Cell(PairLink(club, g, line.row), true) +
                        Cell(SiteText(PairOf(club, g, line.row).Naam.get()));
                for (int s = 1; s <= sessions; ++s) {
                    const TCalcObj* r = ResultOf(club, s, g, line.row);
                    const bool played = r && (r->Percentage != 0 || r->Correction != 0);
                    chart.push_back(played
                                        ? std::optional<double>(double(r->Percentage) + double(r->Correction))
                                        : std::nullopt);
                    body += Cell(played ? SiteDecimal(*chart.back(), 2) : "", true);
                }
                body += Cell(SiteDecimal(ResultOf(club, sessions, g, line.row)->CompetitionTotal, 2), true) +
                        Cell(PercentageChart(chart)) + "</tr>\n";
            }
            body += "</table></div>\n</section>\n";
        }
        body += "<section>\n<h2>Jaartotalen</h2>\n";
        if (in.yearTotals.empty()) {
            body += "<p>Geen jaartotalen: de competities van het seizoen zijn niet te lezen.</p>\n";
        } else {
            body += "<div class=\"scroll\"><pre>";
            for (const std::string& line : in.yearTotals)
                body += SiteText(line) + "\n";
            body += "</pre></div>\n";
        }
        body += "</section>\n";
        return SitePage("Seizoen " + clubName(), sessionLine(), body);
    }
};

// The year totals by place, as the result window lists them, over the competitions of the season
// up to this one; nothing when they cannot be read. The list asks nothing and shows nothing here.
std::vector<std::string> YearTotalsLines(Club& club) {
    SilentDialogs silent;
    ReportContext context(club, silent, ReportKind::YearTotalsByPlace);
    context.groups.SelGroupChar = '*';
    context.groups.SelFirstGroup = 1;
    context.groups.SelLastGroup =
        static_cast<std::int16_t>(std::max<int>(club.CompetitionHead.GroupCount, 1));
    context.range.RangeFirst = 1;
    context.range.RangeLast = static_cast<std::int16_t>(std::max(club.CompetitionNumber, 1));
    ReportDocument document;
    const ErrorCode kept = club.ErrorCode;
    WriteReport(context, document);
    club.ErrorCode = kept;
    if (context.cancelled)
        return {};
    return document.textLines();
}

} // namespace

std::string SiteBoardFileName(int number) {
    return "spel-" + std::to_string(number) + ".html";
}

std::string SitePairFileName(int group, int number) {
    return "paar-" + Letter(group) + std::to_string(number) + ".html";
}

std::vector<SiteFile> ResultsSitePages(const ResultsSiteInput& in) {
    const Club& club = in.session.club;
    const int mode = club.CompetitionHead.ScoringMode;
    const Site site{in, club, ShowsPercentages(club),
                    mode == ModeButler || mode == ModeCrossImp ? "IMP" : "MP"};
    std::vector<SiteFile> files{{"site.css", kSiteStyleSheet}, {kSiteIndex, site.index()}};
    for (int b = 1; b <= club.SessionHead.BoardCount; ++b)
        files.push_back({SiteBoardFileName(b + site.firstNumber() - 1), site.boardPage(b)});
    for (const int g : in.groups)
        for (int k = 1; k <= GroupPairs(club, g); ++k)
            if (PairPlayed(in.session, g, k))
                files.push_back({SitePairFileName(g, PairOf(club, g, k).GrpNr), site.pairPage(g, k)});
    files.push_back({"seizoen.html", site.seasonPage()});
    return files;
}

bool PublishResultsSite(Club& club, Dialogs& dialogs, const std::string& folder, DoubleDummySolver* solver) {
    const SessionMatchPoints mp(club, dialogs);
    std::vector<int> groups;
    for (int g = 1; mp.available() && g <= club.CompetitionHead.GroupCount && g <= 16; ++g)
        if (mp.computed(g))
            groups.push_back(g);
    if (groups.empty()) {
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::NoMatchPoints);
        return false;
    }
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        dialogs.error("Geen map: " + folder);
        return false;
    }
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        dialogs.error("Map niet te maken: " + folder);
        return false;
    }
    const SessionHandRecord hands = LoadSessionHands(club.ClubFilePath, club.CurrentSession, solver);
    if (hands.status == SessionHandRecord::Status::Damaged ||
        hands.status == SessionHandRecord::Status::NotAnalysed)
        dialogs.error(hands.problem);
    std::vector<KeptLead> leads;
    if (std::string problem;
        !LeadFile(LeadFile::PathFor(club.ClubFilePath, club.CurrentSession)).read(leads, problem))
        dialogs.error(problem + "; de uitkomsten ontbreken");
    const ResultsSiteInput input{{club, mp.scores(), mp.boardMatchPoints(), mp.boardTops(),
                                  hands.hasBoards() ? &hands.record : nullptr},
                                 groups,
                                 YearTotalsLines(club),
                                 std::move(leads)};
    bool all = true;
    for (const SiteFile& file : ResultsSitePages(input)) {
        const std::string path = (std::filesystem::path(folder) / file.name).string();
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.content.data());
        if (!SaveFileAtomically(path, {bytes, file.content.size()}, {})) {
            dialogs.error(path + std::string(FileErrorSuffix(FileError::WriteFailed)));
            all = false;
        }
    }
    return all;
}

} // namespace velk
