#include "core/records/ConfigRecord.h"
#include "reports/HtmlReport.h"
#include "reports/PageHeader.h"
#include "reports/ReportDocument.h"
#include "reports/ReportFields.h"
#include "reports/ReportStyle.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(PageHeaderTest, SeasonTurnsInAugust) {
    const auto march = SeasonOf("14-03-2024");
    ASSERT_TRUE(march);
    EXPECT_EQ(march->firstYear, 2023);
    EXPECT_EQ(march->secondYear, 2024);
    const auto september = SeasonOf("05-09-2024");
    ASSERT_TRUE(september);
    EXPECT_EQ(september->firstYear, 2024);
    EXPECT_EQ(september->secondYear, 2025);
    EXPECT_EQ(SeasonOf("31-07-2024")->firstYear, 2023);
    EXPECT_EQ(SeasonOf("01-08-2024")->firstYear, 2024);
    EXPECT_EQ(SeasonOf("1-8-2024")->firstYear, 2024);
    EXPECT_FALSE(SeasonOf(""));
    EXPECT_FALSE(SeasonOf("14-13-2024"));
    EXPECT_FALSE(SeasonOf("14-03-24"));
    EXPECT_FALSE(SeasonOf("vandaag"));
}

TEST(PageHeaderTest, ClubAndTitleLinesCharacterByCharacter) {
    // 22 + 8 + 5 + 20 characters.
    const std::string club = ClubLine("De Troef", SeasonOf("15-12-2026"));
    EXPECT_EQ(club, "B R I D G E C L U B : De Troef       SEIZOEN  2026-2027");
    ASSERT_EQ(club.size(), 55u);
    // 55 - 37 - 18 = 0 blanks: the date follows the title straight away.
    EXPECT_EQ(TitleLine("P U N T E N van Paren op Rangorde    ", 55, "15-12-2026"),
              "P U N T E N van Paren op Rangorde    Datum : 15-12-2026");
    // A short title: 55 - 10 - 18 = 27 blanks.
    EXPECT_EQ(TitleLine("0123456789", 55, "15-12-2026"),
              "0123456789" + std::string(27, ' ') + "Datum : 15-12-2026");
    EXPECT_EQ(MinimumReportWidth("De Troef"), 22 + 8 + 11 + 15);
}

TEST(PageHeaderTest, HeadWritesBoldMarkerClubAndTitle) {
    test::ScriptedDialogs dialogs;
    ReportDocument report;
    ReportHeading heading{"De Troef", "15-12-2026", true, false};
    EXPECT_EQ(WriteClubAndTitle(report, heading, "P A R E N L I J S T ", dialogs), 55);
    ASSERT_EQ(report.lines().size(), 3u);
    EXPECT_EQ(report.lines()[0].kind, ReportLineKind::BoldOn);
    EXPECT_EQ(report.lines()[1].text, "B R I D G E C L U B : De Troef       SEIZOEN  2026-2027");
    EXPECT_EQ(report.lines()[2].text, "P A R E N L I J S T " + std::string(17, ' ') + "Datum : 15-12-2026");
    EXPECT_TRUE(dialogs.messages.empty());

    // Without "Print kop" only the title; the pair list shows the club name padded instead.
    report.clear();
    heading.printHead = false;
    WriteClubAndTitle(report, heading, "T", dialogs);
    EXPECT_EQ(report.textLines().size(), 1u);
    report.clear();
    heading.printHead = true;
    heading.pairList = true;
    WriteClubAndTitle(report, heading, "T", dialogs);
    EXPECT_EQ(report.textLines()[0], "De Troef" + std::string(47, ' '));

    report.clear();
    heading.pairList = false;
    heading.sessionDate = "45-45";
    WriteClubAndTitle(report, heading, "T", dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Datum foutief ");
    EXPECT_EQ(report.textLines()[0], "B R I D G E C L U B : De Troef       SEIZOEN  -");
}

TEST(ReportStyleTest, SeparatorsFollowTheFrameOption) {
    TConfigObj config;
    EXPECT_EQ(ReportStyle::Of(config).single(3), "---");
    EXPECT_EQ(ReportStyle::Of(config).doubled(2), "==");
    EXPECT_STREQ(ReportStyle::Of(config).bar(), "|");
    config.OptionFlags = OptionFlag::FrameLines;
    EXPECT_EQ(ReportStyle::Of(config).single(3), "\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80");
    EXPECT_EQ(ReportStyle::Of(config).doubled(1), "\xE2\x95\x90");
    EXPECT_STREQ(ReportStyle::Of(config).bar(), "\xE2\x94\x82");
}

TEST(ReportFieldsTest, WidthsAndDecimalPoint) {
    EXPECT_EQ(FixedField(7.5, 5, 1), "  7.5");
    EXPECT_EQ(FixedField(52.125, 7, 2), "  52.13");
    EXPECT_EQ(FixedField(-3.05, 6, 1), "  -3.1");
    EXPECT_EQ(IntField(3, 3), "  3");
    EXPECT_EQ(IntField(1234, 3), "1234");
    EXPECT_EQ(TextField("Zoë de Vries", 6), "Zoë de");
    EXPECT_EQ(TextField("Zoë", 5), "Zoë  ");
}

TEST(HtmlReportTest, LatinOneWithCharacterReferences) {
    EXPECT_EQ(HtmlText("Zo\xC3\xAB & Ren\xC3\xA9 <b>"), "Zo\xEB &amp; Ren\xE9 &lt;b&gt;");
    EXPECT_EQ(HtmlText("\xE2\x99\xA0 \xE2\x94\x80\xE2\x82\xAC"), "&#9824; &#9472;&#8364;");
}

TEST(HtmlReportTest, PageHoldsBlocksAndDropsMarkers) {
    ReportDocument report;
    report.boldOn();
    report.line("kop");
    report.boldOff();
    report.beginBlock();
    report.line("  1  Jansen & Smit");
    report.newPage();
    report.endBlock();
    EXPECT_EQ(report.plainText(), "kop\n  1  Jansen & Smit\n");
    EXPECT_EQ(HtmlPage(report, "V.L.KT"),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\" "
              "\"http://www.w3.org/TR/REC-html40/loose.dtd\"><HTML><HEAD><TITLE>V.L.KT</TITLE>"
              "<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"></HEAD>"
              "<BODY BGCOLOR=\"white\">\nkop\n<PRE>\n  1  Jansen &amp; Smit\n</PRE>\n</BODY></HTML>\n");
}

} // namespace
} // namespace velk
