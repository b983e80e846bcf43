#include "reports/ResultsSite.h"

#include "reports/SiteHtml.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(ResultsSiteTest, NamesAreEscapedAndStayUtf8) {
    EXPECT_EQ(SiteText("Renée & <Çelik> \"x\" 'y'"), "Renée &amp; &lt;Çelik&gt; &quot;x&quot; &#39;y&#39;");
    const std::string page = SitePage("A & B", "Zitting 1", "<p>x</p>\n");
    EXPECT_NE(page.find("<html lang=\"nl\">"), std::string::npos);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
              std::string::npos);
    EXPECT_NE(page.find("<title>A &amp; B</title>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(SiteBoardFileName(12), "spel-12.html");
    EXPECT_EQ(SitePairFileName(2, 7), "paar-B7.html");
}

TEST(ResultsSiteTest, RankingTableOfTwoPairs) {
    const std::vector<SiteRankingRow> rows{{1, 6, "Vos - Peters", "paar-A6.html", 52, 61.904761},
                                           {2, 3, "A<b> & \"C\"", "paar-A3.html", 44.6, 53.1}};
    EXPECT_EQ(
        SiteRankingTable(rows),
        "<div class=\"scroll\"><table class=\"ranking\">\n"
        "<tr><th class=\"n\">Pl.</th><th class=\"n\">Paar</th><th>Namen</th><th class=\"n\">Punten</th>"
        "<th class=\"n\">%</th></tr>\n"
        "<tr><td class=\"n\">1</td><td class=\"n\"><a href=\"paar-A6.html\">6</a></td><td>Vos - Peters</td>"
        "<td class=\"n\">52.00</td><td class=\"n\">61.90</td></tr>\n"
        "<tr><td class=\"n\">2</td><td class=\"n\"><a href=\"paar-A3.html\">3</a></td>"
        "<td>A&lt;b&gt; &amp; &quot;C&quot;</td><td class=\"n\">44.60</td><td class=\"n\">53.10</td></tr>\n"
        "</table></div>\n");
    // IMPs have no percentage column.
    const std::string imps = SiteRankingTable({{1, 1, "X", "paar-A1.html", 12.5, std::nullopt}});
    EXPECT_EQ(imps.find(">%<"), std::string::npos);
    EXPECT_NE(imps.find("<td class=\"n\">12.50</td></tr>"), std::string::npos);
}

TEST(ResultsSiteTest, ContractsWithSuitSymbols) {
    EXPECT_EQ(SiteContract("4HX"), "4<span class=\"red\">♥</span>X");
    EXPECT_EQ(SiteContract("6D"), "6<span class=\"red\">♦</span>");
    EXPECT_EQ(SiteContract("3S"), "3♠");
    EXPECT_EQ(SiteContract("7CXX"), "7♣XX");
    EXPECT_EQ(SiteContract("3NT"), "3SA");
    EXPECT_EQ(SiteContract("PASS"), "pas");
    EXPECT_EQ(SiteContract(""), "");
}

// The card led with the Dutch ranks the phones show: Aas, Heer, Vrouw, Boer.
TEST(ResultsSiteTest, LeadsWithSuitSymbolsAndDutchRanks) {
    EXPECT_EQ(SiteLeadCard("SA"), "♠A");
    EXPECT_EQ(SiteLeadCard("SK"), "♠H");
    EXPECT_EQ(SiteLeadCard("H10"), "<span class=\"red\">♥</span>10");
    EXPECT_EQ(SiteLeadCard("DQ"), "<span class=\"red\">♦</span>V");
    EXPECT_EQ(SiteLeadCard("CJ"), "♣B");
    EXPECT_EQ(SiteLeadCard("C2"), "♣2");
}

// The chart spans x 10..230 over the sessions and y 70 (0 %) .. 10 (100 %): 50 % lies at 40,
// 62.5 % at 70 - 37.5 = 32.5, 40 % at 70 - 24 = 46.
TEST(ResultsSiteTest, ChartPointsFromKnownPercentages) {
    const std::string svg = PercentageChart({50.0, 62.5, 40.0});
    EXPECT_NE(svg.find("<polyline points=\"10.0,40.0 120.0,32.5 230.0,46.0\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<circle cx=\"120.0\" cy=\"32.5\" r=\"2.5\"/>"), std::string::npos);
    // A session not played breaks the line; a single session sits in the middle.
    const std::string gap = PercentageChart({100.0, std::nullopt, 0.0, 25.0});
    EXPECT_NE(gap.find("<polyline points=\"10.0,10.0\"/>"), std::string::npos) << gap;
    EXPECT_NE(gap.find("<polyline points=\"156.7,70.0 230.0,55.0\"/>"), std::string::npos) << gap;
    EXPECT_NE(PercentageChart({61.9}).find("points=\"120.0,32.9\""), std::string::npos);
    EXPECT_EQ(PercentageChart({}).find("<polyline"), std::string::npos);
}

} // namespace
} // namespace velk
