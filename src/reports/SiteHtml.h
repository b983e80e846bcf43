#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The pieces of the results site's pages: UTF-8, one stylesheet, no script.

// The text with the characters HTML reserves as references; everything else stays UTF-8.
std::string SiteText(std::string_view utf8);

// "12.5": a value with a fixed number of decimals.
std::string SiteDecimal(double value, int decimals);

// A whole page: `title` in the head and as its heading, `body` (already HTML) under it, and the
// navigation to the index and the season page.
std::string SitePage(std::string_view title, std::string_view subtitle, std::string_view body);

// One pair in a group's ranking.
struct SiteRankingRow {
    int place = 0;
    int pair = 0;
    std::string names;
    std::string link; // the pair's page
    double points = 0;
    std::optional<double> percentage; // none for IMPs
};

// The ranking of one group as a table in its own scrolling box.
std::string SiteRankingTable(const std::vector<SiteRankingRow>& rows);

// A contract as the site shows it ("4♥X"): the stored Dutch or the exported English letters with
// the suit as its symbol, hearts and diamonds red.
std::string SiteContract(std::string_view contract);

// A card led as the site shows it ("♥10", "♠H"): the suit as its symbol and the Dutch rank, from
// the card as the leads file keeps it ("H10", "SK").
std::string SiteLeadCard(std::string_view card);

// A small line chart of a pair's percentage per session: x evenly over the sessions, y from 0 %
// at the bottom to 100 % at the top; a session without a percentage leaves a gap.
std::string PercentageChart(const std::vector<std::optional<double>>& percentages);

} // namespace velk
