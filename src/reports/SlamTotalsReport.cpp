#include "reports/SlamTotalsReport.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"
#include "core/files/SlamFile.h"
#include "reports/HtmlReport.h"
#include "reports/PageHeader.h"
#include "reports/ReportFields.h"
#include "reports/SeasonFiles.h"

#include <algorithm>

namespace velk {

namespace {

constexpr int kSlamWidth = 80;

// The slam file of a competition, in whichever case it was written.
std::string ExistingSlamPath(const std::string& base) {
    for (const char* extension : {".slm", ".SLM"})
        if (SeasonFileExists(base + extension))
            return base + extension;
    return base + ".slm";
}

// Adds the slams of one competition file to the counters by club number; false when its slam
// file could not be read (the message shown).
bool AddCompetition(ReportContext& context, const std::string& competitionPath, const std::string& slamPath,
                    std::vector<std::array<int, 6>>& counts) {
    const FileBytes competitionBytes = ReadFileBytes(competitionPath, kMaxCompetitionFileBytes);
    SeasonCompetition competition;
    const FileBytes slamBytes = ReadFileBytes(slamPath, kMaxCompetitionFileBytes);
    std::vector<TZitSlemObj> blocks;
    if (!competitionBytes.ok() || !slamBytes.ok() ||
        ParseSeasonCompetition(competitionBytes.bytes, competition).status != SeasonRead::Ok ||
        ParseSlamFile(slamBytes.bytes, ShapeOf(competition.pairCount(), competition.sessions), blocks) != 0) {
        ShowFileError(context.dialogs, context.club.ErrorCode, FileNameOf(slamPath), FileError::ReadFailed,
                      Hint::VerifySlams);
        return false;
    }
    for (const TZitSlemObj& block : blocks)
        for (std::size_t p = 1; p < block.Records.size() && p < competition.pairs.size(); ++p) {
            const int clubNumber = competition.pairs[p].ClubNr;
            if (clubNumber < 1 || clubNumber >= static_cast<int>(counts.size()))
                continue;
            for (std::size_t k = 0; k < 6; ++k)
                counts[static_cast<std::size_t>(clubNumber)][k] += block.Records[p].SlamCounts[k];
        }
    return true;
}

std::string Heading(const ReportStyle& style) {
    const std::string bar = style.bar();
    if (!style.frameLines)
        return " Nr.| Naam" + Repeat(" ", 27) + "|6Kl/R|6Ha/S| 6SA |7Kl/R|7Ha/S| 7SA |Totaal|Punten|";
    return " Nr." + bar + " Naam" + Repeat(" ", 27) + bar + " 6\u2663/\u2666" + bar + " 6\u2665/\u2660" +
           bar + " 6SA " + bar + " 7\u2663/\u2666" + bar + " 7\u2665/\u2660" + bar + " 7SA " + bar +
           "Totaal" + bar + "Punten" + bar;
}

std::string Separator(const ReportStyle& style) {
    std::string line = "---+" + std::string(32, '-') + "+-----+-----+-----+-----+-----+-----+------+------+";
    if (!style.frameLines)
        return line;
    std::string framed;
    for (const char c : line)
        framed += c == '-' ? "\u2500" : "\u253C";
    return framed;
}

} // namespace

SlamTotals CountSlams(ReportContext& context) {
    Club& club = context.club;
    SlamTotals totals;
    const int pairCount = club.CompetitionHead.PairCount;
    std::vector<std::array<int, 6>> counts(static_cast<std::size_t>(std::max(pairCount, 0)) + 1);
    const std::string base = SeasonBase(club.ClubFilePath);
    const std::string extension = SeasonExtension(club.ClubFilePath);
    if (club.CompetitionNumber == 0) {
        context.dialogs.information("Geen Competitie, maar eenmalige zitting");
        totals.competitionText = "1 t.e.m." + std::to_string(club.CompetitionNumber);
        AddCompetition(context, club.ClubFilePath, ExistingSlamPath(base), counts);
    } else if (context.range.RangeFirst > 0) {
        const std::string n = std::to_string(context.range.RangeFirst);
        totals.competitionText = n;
        AddCompetition(context, base + n + extension, ExistingSlamPath(base + n), counts);
    } else {
        totals.competitionText = "1 t.e.m." + std::to_string(club.CompetitionNumber);
        for (int n = 1; n <= club.CompetitionNumber; ++n)
            AddCompetition(context, base + std::to_string(n) + extension,
                           ExistingSlamPath(base + std::to_string(n)), counts);
    }
    // The open competition's own bonus values, whatever the files read said.
    const auto& bonus = club.SlamBonusTable.Values;
    for (int c = 1; c <= pairCount; ++c) {
        SlamTotalsRow row;
        row.clubNumber = c;
        const auto pair =
            std::find_if(club.PairList.begin() + (club.PairList.empty() ? 0 : 1), club.PairList.end(),
                         [&](const TParenObj& p) { return p.ClubNr == c; });
        if (pair == club.PairList.end())
            ShowError(context.dialogs, club.ErrorCode, ": " + std::to_string(c), ErrorMessage::DataFileFault);
        else
            row.name = pair->Naam.get();
        row.counts = counts[static_cast<std::size_t>(c)];
        for (std::size_t k = 0; k < 6; ++k) {
            row.total += row.counts[k];
            row.points += row.counts[k] * bonus[k];
        }
        totals.total += row.total;
        totals.rows.push_back(std::move(row));
    }
    return totals;
}

void WriteSlamTotals(ReportContext& context, ReportSink& sink) {
    context.width = std::max(kSlamWidth, MinimumReportWidth(context.heading.clubName));
    const SlamTotals totals = CountSlams(context);
    const ReportStyle& style = context.style;
    if (context.heading.printHead)
        WriteClubAndTitle(sink, context.heading, ReportTitle(ReportKind::SlamTotals), context.dialogs);
    else
        sink.boldOn();
    sink.line("C o m p e t i t i e : " + totals.competitionText);
    sink.boldOff();
    sink.emptyLine();
    sink.line(Heading(style));
    sink.line(Separator(style));
    for (const SlamTotalsRow& row : totals.rows) {
        std::string text = IntField(row.clubNumber, 3) + " |" + TextField(row.name, 32) + "|";
        for (const int count : row.counts)
            text += (count > 0 ? " " + IntField(count, 3) + " " : std::string(5, ' ')) + style.bar();
        sink.line(text + IntField(row.total, 5) + " | " + IntField(row.points, 4) + " |");
    }
    sink.line(Separator(style));
    sink.line(" Zie voor Slempunten: Menu Opties" + Repeat(" ", 35) + "Totaal: " + IntField(totals.total, 3));
    sink.emptyLine();
}

std::string SlamTotalsHtml(ReportContext& context) {
    context.width = std::max(kSlamWidth, MinimumReportWidth(context.heading.clubName));
    const SlamTotals totals = CountSlams(context);
    std::string page;
    if (context.heading.printHead) {
        const std::optional<Season> season = SeasonOf(context.heading.sessionDate);
        const std::string clubLine = ClubLine(context.heading.clubName, season);
        page += "<PRE>\n" + HtmlText(clubLine) + "\n" +
                HtmlText(TitleLine(ReportTitle(ReportKind::SlamTotals),
                                   static_cast<int>(Utf8Length(clubLine)), context.heading.sessionDate)) +
                "\n</PRE>\n";
    }
    const std::string blank = "<TD>&nbsp;</TD>";
    page += "<PRE>\n<TABLE ID=\"table_1\" BORDER=\"1\" CELLSPACING=\"1\" CELLPADDING=\"4\">\n";
    page += "<TR><TD COLSPAN=2>C o m p e t i t i e : " + HtmlText(totals.competitionText) + "</TD>" +
            Repeat(blank, 3) + Repeat(blank, 4) + "</TR>\n";
    page += "<TR><TD ALIGN=\"RIGHT\">Nr.</TD><TD>Naam</TD><TD ALIGN=\"RIGHT\">6&clubs;/&diams;</TD>"
            "<TD ALIGN=\"RIGHT\">6&hearts;/&spades;</TD><TD ALIGN=\"RIGHT\">6SA</TD><TD>7&clubs;/&diams;</TD>"
            "<TD>7&hearts;/&spades;</TD><TD ALIGN=\"RIGHT\">7SA</TD><TD ALIGN=\"RIGHT\">Totaal</TD>"
            "<TD ALIGN=\"RIGHT\">Punten</TD></TR>\n";
    for (const SlamTotalsRow& row : totals.rows) {
        page += "<TR><TD ALIGN=\"RIGHT\">" + std::to_string(row.clubNumber) + "</TD><TD>" +
                HtmlText(PadRight(Truncate(row.name, 36), 35)) + "</TD>";
        for (const int count : row.counts)
            page += count > 0 ? " <TD ALIGN=\"RIGHT\">&nbsp;" + std::to_string(count) + "&nbsp;</TD>"
                              : "<TD ALIGN=\"RIGHT\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>";
        page += "<TD ALIGN=\"RIGHT\">" + std::to_string(row.total) + "&nbsp;</TD><TD ALIGN=\"RIGHT\">" +
                std::to_string(row.points) + "&nbsp;</TD>\n</TR>\n";
    }
    page += "<TR> <TD>&nbsp;</TD> <TD>&nbsp;</TD> <TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD> "
            "<TD>&nbsp;</TD><TD>&nbsp;</TD><TD  ALIGN=\"RIGHT\" COLSPAN=2>Totaal :" +
            std::to_string(totals.total) + "</TD></TR>\n";
    page += "</TABLE> <BR>\n</PRE>\n";
    return page;
}

} // namespace velk
