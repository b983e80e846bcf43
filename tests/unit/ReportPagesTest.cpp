#include "reports/ReportPages.h"

#include "core/records/ConfigRecord.h"
#include "reports/PdfText.h"
#include "reports/ReportWindowSize.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(ReportPagesTest, BoldMarkersPageBreaksAndTheOwner) {
    // 1000 - 100 - 100 = 800 pixels of 100 a line: eight lines a page.
    const PageLayout layout{1000, 100, 100, 100};
    EXPECT_EQ(LinesOnPage(layout), 8);
    ReportDocument report;
    report.boldOn();
    report.line("kop");
    report.boldOff();
    for (int i = 1; i <= 4; ++i)
        report.line("r" + std::to_string(i));
    // Five lines on the page: a form feed does not break it.
    report.newPage();
    for (int i = 5; i <= 12; ++i)
        report.line("r" + std::to_string(i));
    const auto pages = LayPages(report, layout, {"Jan", "Straat 1"});
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 8u);
    EXPECT_EQ(pages[0][0], (PrintedLine{"kop", true}));
    EXPECT_EQ(pages[0][1], (PrintedLine{"r1", false}));
    EXPECT_EQ(pages[0][7].text, "r7");
    // r8..r12 and the owner's two lines.
    ASSERT_EQ(pages[1].size(), 7u);
    EXPECT_EQ(pages[1][0].text, "r8");
    EXPECT_EQ(pages[1][6], (PrintedLine{"Straat 1", false}));

    // With more than ten lines on the page the form feed does break it.
    const PageLayout tall{3000, 0, 0, 100};
    ReportDocument longer;
    for (int i = 1; i <= 11; ++i)
        longer.line("x");
    longer.newPage();
    longer.line("y");
    const auto two = LayPages(longer, tall);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1], (PrintedPage{{"y", false}}));
}

TEST(ReportPagesTest, OwnerLinesAndOrientation) {
    TConfigObj config;
    config.PersonalData[0].set("J. de Vries");
    config.PersonalData[1].set("Dorpsstraat 1");
    config.PersonalData[2].set("1234 AB");
    config.PersonalData[3].set("Ede");
    config.PersonalData[4].set("0318-123456");
    EXPECT_EQ(OwnerLines(config),
              (std::vector<std::string>{"J. de Vries", "Dorpsstraat 1", "1234 AB Ede", "0318-123456"}));
    EXPECT_FALSE(PrintsLandscape(false, 100, false));
    EXPECT_TRUE(PrintsLandscape(false, 101, false));
    EXPECT_TRUE(PrintsLandscape(true, 70, false));
    EXPECT_TRUE(PrintsLandscape(false, 70, true));
}

TEST(ReportWindowSizeTest, FontAndPairsDecideTheSize) {
    ReportWindowInput in;
    in.kind = ReportKind::PointsByNumber;
    in.reportWidth = 67;
    in.fontSize = 10;
    in.fontHeight = -13;
    in.pairCount = 16;
    in.groupCount = 2;
    in.pairsPerGroup = 8;
    in.screenHeight = 768;
    ReportWindowSize size = SizeReportWindow(in);
    EXPECT_EQ(size.width, 670);
    EXPECT_EQ(size.memoWidth, 625);
    // (8 + 10) x 156 / 10 + 10 = 290, the window 140 higher.
    EXPECT_EQ(size.memoHeight, 290);
    EXPECT_EQ(size.height, 430);
    EXPECT_FALSE(size.horizontalScrollBar);

    in.reportWidth = 101;
    in.groupCount = 1;
    in.pairCount = 40;
    in.screenHeight = 600;
    size = SizeReportWindow(in);
    EXPECT_EQ(size.width, 760);
    EXPECT_TRUE(size.horizontalScrollBar); // 715 < 1010 / 1.2 + 10
    EXPECT_EQ(size.memoHeight, 478);       // 30 x 156 / 10 + 10
    EXPECT_EQ(size.height, 540);           // the screen less 60
    in.kind = ReportKind::SlamTotals;
    EXPECT_EQ(SizeReportWindow(in).width, 785);
}

TEST(PdfTextTest, ObjectsWhereTheCrossReferenceSaysAndEscapedText) {
    ReportDocument report;
    report.boldOn();
    report.line("Kop (1)");
    report.boldOff();
    report.line("\u2500\u2500 caf\u00e9 \\");
    PdfPage page;
    const std::string pdf = PdfTextDocument(report, page);
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    // Catalog, pages, two fonts, one page and its content: six objects.
    const std::size_t xref = pdf.find("xref\n0 7\n");
    ASSERT_NE(xref, std::string::npos);
    for (int object = 1; object <= 6; ++object) {
        const std::size_t entry = xref + 9 + 20 * static_cast<std::size_t>(object);
        const std::size_t offset = std::stoul(pdf.substr(entry, 10));
        EXPECT_EQ(pdf.substr(offset, std::to_string(object).size() + 6), std::to_string(object) + " 0 obj");
    }
    EXPECT_NE(pdf.find("startxref\n" + std::to_string(xref) + "\n%%EOF"), std::string::npos);
    // Bold in Courier-Bold, parentheses and backslashes escaped, box lines plain, Latin-1 kept.
    EXPECT_NE(pdf.find("/F2 10 Tf\n(Kop \\(1\\)) Tj T*\n/F1 10 Tf\n(-- caf\xe9 \\\\) Tj T*"),
              std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595 842]"), std::string::npos);
}

} // namespace
} // namespace velk
