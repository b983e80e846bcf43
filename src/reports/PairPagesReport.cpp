#include "reports/PairPagesReport.h"

#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "reports/HandsPage.h"
#include "reports/HtmlReport.h"
#include "reports/PageHeader.h"
#include "reports/PairBoardRows.h"
#include "scoring/BoardOpponents.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreCode.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace velk {

namespace {

std::string Decimal(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

const TParenObj& PairOf(const Club& club, int group, int row) {
    return club.PairList[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row)];
}

// The match points a board can give at most, as the percentages count them.
int PercentageTop(const Club& club, int group) {
    if (club.CompetitionHead.CalcMethod == CalcTopIntegral) {
        int all = 0;
        for (int g = 1; g <= club.CompetitionHead.GroupCount && g <= 16; ++g)
            all += club.SessionHead.GroupPairs[static_cast<std::size_t>(g - 1)];
        return all - 2;
    }
    return club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)] - 2;
}

bool Played(const TScoreObj& r) {
    return r.Code != ScoreCode::None && r.Code != ScoreCode::Absent;
}

struct Page {
    const PairPagesInput& in;
    const Club& club;
    int group;
    int row;
    bool contracts;
    std::string html;

    std::string names(int r) const { return HtmlText(PairOf(club, group, r).Naam.get()); }

    void head() {
        const std::optional<Season> season = SeasonOf(club.SessionHead.SessionDate.get());
        const std::string clubLine =
            std::string(kClubLineStart) + club.ConfigRecord.Head.CompetitionName.get() + "     ";
        html += "<HTML><HEAD><TITLE>MatchPunten Paren</TITLE>"
                "<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
                "</HEAD><BODY BGCOLOR=\"white\"><P ALIGN=\"Left\">";
        html += std::string("<table border=\"0\" width=\"") + (contracts ? "600" : "540") +
                "\" height=\"94\" cellpadding=\"0\">";
        html += "<tr><td height=\"25\" width=\"385\"><b>" + HtmlText(clubLine) + "</b></td>";
        html += "<td height=\"25\" width=\"156\"><b>" + HtmlText(SeasonText(season)) + "</b></td></tr>";
        html += "<tr><td height=\"25\" width=\"385\">Scores en MatchPunten per paar</td>";
        html +=
            "<td height=\"25\" width=\"156\">&nbsp;Datum: " + HtmlText(club.SessionHead.SessionDate.get()) +
            "\n</td></tr>";
        html += "<tr><td height=\"25\" width=\"385\">G r o e p :" + std::string(1, GroupLetter(group)) +
                "     Zitting : " + std::to_string(club.CurrentSession) + "</td>";
        html += "<td height=\"25\" width=\"156\">&nbsp;TopPunt per Spel =" +
                std::to_string(PercentageTop(club, group)) + "</td></tr></table><br>";
    }

    void tableStart() {
        html += "<!-- Automatically detected TABLE structure -->";
        html += std::string("<TABLE ID=\"table_1\" BORDER=\"1\" width=\"") + (contracts ? "618" : "560") +
                "\" CELLSPACING=\"0\" CELLPADDING=\"4\">";
        html += std::string("<TR><TD COLSPAN=") + (contracts ? "7" : "4") + "><b> Paar " +
                std::to_string(PairOf(club, group, row).GrpNr) + ": " + names(row) + "</b></TD></TR>";
    }

    void roundStart(int round, int opponent) {
        html += "<TR><TD ALIGN=\"RIGHT\" width=\"78\">Ronde " + std::to_string(round) + "</TD>";
        html += std::string("<TD COLSPAN=") + (contracts ? "6" : "4") + ">  tegen paar " +
                std::to_string(PairOf(club, group, opponent).GrpNr) + ": " + names(opponent) + "</TD></TR>";
        if (contracts)
            html += "<TR><TD ALIGN=\"RIGHT\"  width=\"78\">Spel</TD><TD ALIGN=\"CENTER\" "
                    "width=\"86\">Richting</TD>"
                    "<TD ALIGN=\"CENTER\" width=\"125\">Contract</TD><TD ALIGN=\"CENTER\" "
                    "width=\"45\">Result</TD>"
                    "<TD ALIGN=\"CENTER\" width=\"85\">Score</TD><TD ALIGN=\"RIGHT\" width=\"45\">M.P.</TD>"
                    "<TD ALIGn=\"LEFT\" width=\"151\">Totaal&nbsp; | Percentage</TD></TR>";
        else
            html +=
                "<TR><TD ALIGN=\"RIGHT\" width=\"78\">Spel</TD><TD ALIGN=\"CENTER\" width=\"86\">NZ/OW</TD>"
                "<TD ALIGN=\"RIGHT\" width=\"85\">Score</TD><TD ALIGN=\"RIGHT\" width=\"45\">M.P.</TD>"
                "<TD width=\"206\">Totaal&nbsp; | Percentage</TD></TR>";
    }

    void board(int number, bool northSouth, const TScoreObj& own, const TScoreObj& opponent, int mp) {
        const std::string shown = std::to_string(number);
        const bool dealt = in.hands && in.hands->find(number);
        html += "<TR><TD ALIGN=\"RIGHT\" width=\"78\">" +
                (dealt ? "<A HREF=\"" + HandsLink(number) + "\">" + shown + "</A>" : shown) + "</TD>";
        html += std::string("<TD ALIGN=\"CENTER\" width=\"86\">") + (northSouth ? "NZ" : "OW") + "</TD>";
        if (contracts) {
            // One contract per table: the declarer's record holds it.
            const TScoreObj& declarer = own.Contract.get().empty() ? opponent : own;
            html +=
                "<TD ALIGN=\"CENTER\" width=\"125\">" + PairPageContract(declarer.Contract.get()) + "</TD>";
            html += "<TD ALIGN=\"CENTER\" width=\"45\">" + HtmlText(declarer.Result.get()) + "</TD>";
            html += "<TD ALIGN=\"CENTER\" width=\"85\">" + PairBoardScore(own, " NG") + "</TD>";
        } else {
            html += "<TD ALIGN=\"RIGHT\"  width=\"85\">" + PairBoardScore(own, " NG") + "</TD>";
        }
        html += "<TD ALIGN=\"RIGHT\"  width=\"45\">" + Decimal(mp / 10.0, 1) + "</TD>";
    }

    void running(bool last, double total, double percentage) {
        const char* width = contracts ? "151" : "206";
        if (!last) {
            html += std::string("<TD width=\"") + width + "\"></TD> </TR>";
            return;
        }
        html += std::string("<TD width=\"") + width + "\">" + (contracts ? "&nbsp;" : "") +
                Decimal(total, 1) + "&nbsp;&nbsp;&nbsp&nbsp;&nbsp;&nbsp;" + Decimal(percentage, 2) +
                " % </TD></TR>";
    }

    void closing(double total, double percentage) {
        if (contracts)
            html +=
                "<TR><Td ALIGN=\"RIGHT\" width=\"78\">Totaal</Td><Td ALIGN=\"LEFT\"  COLSPAN=5>Punten "
                "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; Procenten  :</Td><TH ALIGN=\"LEFT\" width=\"300\">&nbsp;" +
                Decimal(total, 1) + "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp" + Decimal(percentage, 2) +
                " % </TH></TR>";
        else
            html += "<TR><TD ALIGN=\"RIGHT\" width=\"78\">Totaal</TD><TD COLSPAN=3>Punten Procenten  :</TD>"
                    "<TD width=\"206\">" +
                    Decimal(total, 1) + "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp" + Decimal(percentage, 2) +
                    " % </TD></TR>";
        html += "</TBODY></TABLE><p>&nbsp;<input type=button value=\"Sluit venster\" "
                "onClick=\"javascript:window.close()\"></a></p></BODY></HTML>";
    }

    void write() {
        head();
        tableStart();
        int round = 0;
        for (const PairBoardRow& r : PairBoardRows(in, group, row)) {
            if (r.round != round)
                roundStart(r.round, r.opponentRow);
            round = r.round;
            board(r.number, r.northSouth, *r.own, *r.opponent, r.matchPoints);
            running(r.lastOfRound, static_cast<double>(r.runningTenths) / 10.0, r.runningPercentage);
        }
        const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
        const TCalcObj& result = rows[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row)];
        closing(result.Points, double(result.Percentage) + double(result.Correction));
    }
};

// The first word of a name, with the blank after it.
std::string FirstWord(std::string_view name) {
    name = Trim(name);
    const std::size_t blank = name.find(' ');
    return std::string(blank == std::string_view::npos ? name : name.substr(0, blank + 1));
}

} // namespace

std::string PairPageContract(const std::string& contract) {
    if (contract.size() < 2 || contract[0] < '1' || contract[0] > '7')
        return HtmlText(contract);
    const std::string level = contract.substr(0, 1);
    const std::string rest = contract.substr(1);
    if (rest.rfind("SA", 0) == 0)
        return HtmlText(contract);
    const char strain = rest[0];
    const std::string tail = HtmlText(rest.substr(1));
    switch (strain) {
    case 'K':
        return level + "&clubs;" + tail;
    case 'R':
        return level + "<font size=\"4\" color=\"#FF0000\">&diams;</font>" + tail;
    case 'H':
        return level + "<font color=\"#FF0000\">&hearts;</font>" + tail;
    case 'S':
        return level + "&spades;" + tail;
    default:
        return HtmlText(contract);
    }
}

std::string PairPageFileName(int group, int number) {
    return "MPPaar" + std::string(1, GroupLetter(group)) + std::to_string(number) + ".htm";
}

bool PairPlayed(const PairPagesInput& in, int group, int row) {
    for (int b = 1; b <= in.club.SessionHead.BoardCount; ++b)
        if (const TScoreObj* r = PairBoardRecord(in, group, b, row); r && Played(*r))
            return true;
    return false;
}

std::string PairPage(const PairPagesInput& in, int group, int row) {
    Page page{in, in.club, group, row, (in.club.CompetitionHead.ConfigFlags & ConfigFlag::UseContracts) != 0,
              {}};
    page.write();
    return page.html;
}

std::string PairNamesScript(const Club& club, int firstGroup, int lastGroup) {
    std::string script = "{var line_array=[\"Paren\",\n";
    for (int g = firstGroup; g <= lastGroup; ++g)
        for (int k = 1; k <= club.PairsPerGroup; ++k) {
            const std::size_t i = static_cast<std::size_t>((g - 1) * club.PairsPerGroup + k);
            if (i >= club.PairList.size())
                break;
            const std::string name = club.PairList[i].Naam.get();
            const std::size_t amp = name.find('&');
            const std::string partner = amp == std::string::npos ? name : name.substr(amp + 1);
            script +=
                "\"" + Utf8ToCp1252(FirstWord(name)) + " & " + Utf8ToCp1252(FirstWord(partner)) + "\",\n";
        }
    return script + "];}\n";
}

FileChoice PairPageFileChoice(const std::string& path) {
    return {"Velk bestand", "MPPaar bestand (*.htm)|*.HTM", "htm", path};
}

FileChoice PairPagesFileChoice(int group, const std::string& folder) {
    return PairPageFileChoice((std::filesystem::path(folder) / PairPageFileName(group, 1)).string());
}

bool WriteAllPairPages(const PairPagesInput& in, int firstGroup, int lastGroup,
                       const std::function<std::optional<std::string>(int group)>& folderFor,
                       Dialogs& dialogs) {
    const Club& club = in.club;
    bool all = true;
    std::optional<std::string> lastFolder;
    auto save = [&](const std::string& path, const std::string& bytes) {
        if (SaveFileAtomically(
                path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), {}))
            return true;
        dialogs.error(path + std::string(FileErrorSuffix(FileError::WriteFailed)));
        all = false;
        return false;
    };
    for (int g = firstGroup; g <= lastGroup; ++g) {
        const std::optional<std::string> folder = folderFor(g);
        if (!folder)
            continue;
        lastFolder = folder;
        for (int k = 1; k <= club.SessionHead.GroupPairs[static_cast<std::size_t>(g - 1)]; ++k) {
            const TParenObj& pair = PairOf(club, g, k);
            if (!PairPlayed(in, g, k)) {
                dialogs.error(std::string(ErrorPrefix(ErrorMessage::PairMissing)) + " " + GroupLetter(g) +
                              std::to_string(pair.GrpNr));
                continue;
            }
            save((std::filesystem::path(*folder) / PairPageFileName(g, pair.GrpNr)).string(),
                 PairPage(in, g, k));
        }
        if (in.hands)
            save((std::filesystem::path(*folder) / kHandsPageFileName).string(), HandsPage(*in.hands));
    }
    if (!lastFolder)
        return false;
    if (!save((std::filesystem::path(*lastFolder) / kPairNamesFileName).string(),
              PairNamesScript(club, firstGroup, lastGroup)))
        return false;
    // A page that could not be written was said; the pages are then not all saved.
    if (!all)
        return false;
    dialogs.information("Bewaren Matchpunten is gelukt voor alle paren van Groep : " +
                        std::string(1, GroupLetter(firstGroup)) + "t/m" + GroupLetter(lastGroup) + "\r" +
                        " tevens Paarnamen.htm bewaard");
    return true;
}

} // namespace velk
