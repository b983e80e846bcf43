#include "reports/SiteHtml.h"

#include <cstdio>

namespace velk {

std::string SiteText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string SiteDecimal(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string SitePage(std::string_view title, std::string_view subtitle, std::string_view body) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    html += SiteText(title);
    html += "</title>\n<link rel=\"stylesheet\" href=\"site.css\">\n</head>\n<body>\n<header>\n<nav>"
            "<a href=\"index.html\">Uitslag</a><a href=\"seizoen.html\">Seizoen</a></nav>\n<h1>";
    html += SiteText(title);
    html += "</h1>\n";
    if (!subtitle.empty())
        html += "<p>" + SiteText(subtitle) + "</p>\n";
    html += "</header>\n<main>\n";
    html += body;
    html += "</main>\n<footer>Gemaakt met Velk</footer>\n</body>\n</html>\n";
    return html;
}

std::string SiteRankingTable(const std::vector<SiteRankingRow>& rows) {
    const bool percentages = !rows.empty() && rows.front().percentage.has_value();
    std::string html = "<div class=\"scroll\"><table class=\"ranking\">\n<tr><th class=\"n\">Pl.</th>"
                       "<th class=\"n\">Paar</th><th>Namen</th><th class=\"n\">Punten</th>";
    html += percentages ? "<th class=\"n\">%</th></tr>\n" : "</tr>\n";
    for (const SiteRankingRow& r : rows) {
        html += "<tr><td class=\"n\">" + std::to_string(r.place) + "</td><td class=\"n\"><a href=\"" +
                SiteText(r.link) + "\">" + std::to_string(r.pair) + "</a></td><td>" + SiteText(r.names) +
                "</td><td class=\"n\">" + SiteDecimal(r.points, 2) + "</td>";
        if (percentages)
            html +=
                "<td class=\"n\">" + (r.percentage ? SiteDecimal(*r.percentage, 2) : std::string()) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table></div>\n";
}

namespace {

// The suit of an English letter as its symbol, hearts and diamonds red; empty for another letter.
std::string SuitSymbol(char suit) {
    switch (suit) {
    case 'S':
        return "♠";
    case 'H':
        return "<span class=\"red\">♥</span>";
    case 'D':
        return "<span class=\"red\">♦</span>";
    case 'C':
        return "♣";
    default:
        return {};
    }
}

} // namespace

std::string SiteContract(std::string_view contract) {
    if (contract == "PASS")
        return "pas";
    if (contract.size() < 2 || contract[0] < '1' || contract[0] > '7')
        return SiteText(contract);
    const std::string level(1, contract[0]);
    std::string_view rest = contract.substr(1);
    std::string strain;
    if (rest.substr(0, 2) == "NT") {
        strain = "SA";
        rest.remove_prefix(2);
    } else {
        strain = SuitSymbol(rest[0]);
        if (strain.empty())
            return SiteText(contract);
        rest.remove_prefix(1);
    }
    return level + strain + SiteText(rest);
}

std::string SiteLeadCard(std::string_view card) {
    if (card.size() < 2)
        return SiteText(card);
    const std::string suit = SuitSymbol(card[0]);
    std::string rank(card.substr(1));
    // The Dutch letters of the honours, as on the phones: Heer, Vrouw, Boer.
    if (rank == "K")
        rank = "H";
    else if (rank == "Q")
        rank = "V";
    else if (rank == "J")
        rank = "B";
    return suit.empty() ? SiteText(card) : suit + SiteText(rank);
}

std::string PercentageChart(const std::vector<std::optional<double>>& percentages) {
    constexpr double left = 10, right = 230, bottom = 70, height = 60;
    const std::size_t n = percentages.size();
    const auto x = [&](std::size_t i) {
        return n <= 1 ? (left + right) / 2
                      : left + (right - left) * static_cast<double>(i) / static_cast<double>(n - 1);
    };
    const auto y = [&](double p) { return bottom - height * p / 100.0; };
    std::string svg = "<svg class=\"chart\" viewBox=\"0 0 240 80\" role=\"img\" "
                      "xmlns=\"http://www.w3.org/2000/svg\"><title>Percentage per zitting</title>"
                      "<line x1=\"10\" y1=\"40\" x2=\"230\" y2=\"40\"/>";
    std::string points;
    std::string dots;
    const auto flush = [&] {
        if (!points.empty())
            svg += "<polyline points=\"" + points + "\"/>";
        points.clear();
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (!percentages[i]) {
            flush();
            continue;
        }
        const std::string px = SiteDecimal(x(i), 1);
        const std::string py = SiteDecimal(y(*percentages[i]), 1);
        points += (points.empty() ? "" : " ") + px + "," + py;
        dots += "<circle cx=\"" + px + "\" cy=\"" + py + "\" r=\"2.5\"/>";
    }
    flush();
    return svg + dots + "</svg>";
}

} // namespace velk
