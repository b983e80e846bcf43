#include "options/PrinterMetrics.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {
// Courier New 10 on an A4 page at 600 dpi, as a laser printer reports it.
PrinterMeasurements A4At600(bool landscape = false) {
    PrinterMeasurements m;
    m.sampleTextWidth = 1960; // 40 characters of 49 pixels
    m.fontHeight = -83;
    m.pageWidth = landscape ? 6814 : 4760;
    m.pageHeight = landscape ? 4760 : 6814;
    m.pixelsPerInch = 600;
    m.landscape = landscape;
    return m;
}
} // namespace

TEST(PrinterMetrics, WorkedA4Portrait) {
    const PrinterMetrics p = ComputePrinterMetrics(A4At600());
    EXPECT_EQ(p.CharWidth, 1960 / 40 + 1);   // 50
    EXPECT_EQ(p.LineHeight, 100);            // round(83 x 1.2) = round(99.6)
    EXPECT_EQ(p.PageLines, 68);              // 6814 div 100
    EXPECT_EQ(p.PageUnitH, 4760 * 10 / 203); // 234
    EXPECT_EQ(p.PageUnitV, 24);
    EXPECT_EQ(p.PrintWidthFactor, 100);

    TConfigObj config;
    config.TopMargin = 250;
    config.BottomMargin = 180;
    EXPECT_EQ(LinesPerPage(p, config), 68 - 430 / 100); // 64
    config.LineHeight = 7;
    ApplyPrinterMetrics(p, config);
    EXPECT_EQ(config.LineHeight, 100);
    EXPECT_EQ(config.LinesPerPage, 64);
}

TEST(PrinterMetrics, LandscapeCountsLinesHeavier) {
    const PrinterMetrics p = ComputePrinterMetrics(A4At600(true));
    EXPECT_EQ(p.PrintWidthFactor, 140);
    EXPECT_EQ(p.PageLines, 47);
    // 47 lines per page: portrait breaks after 46 lines, landscape when 1.4 x lines reaches 46.
    EXPECT_FALSE(NeedsNewPage(45, 47, 100));
    EXPECT_TRUE(NeedsNewPage(46, 47, 100));
    EXPECT_FALSE(NeedsNewPage(32, 47, 140)); // 44.8
    EXPECT_TRUE(NeedsNewPage(33, 47, 140));  // 46.2
}

TEST(PrinterMetrics, DegenerateFiguresDoNotDivideByZero) {
    const PrinterMetrics p = ComputePrinterMetrics(PrinterMeasurements{});
    EXPECT_EQ(p.CharWidth, 1);
    EXPECT_EQ(p.LineHeight, 1);
    EXPECT_EQ(p.PageLines, 0);
    TConfigObj config;
    config.TopMargin = 500;
    EXPECT_EQ(LinesPerPage(p, config), 0);
    ApplyPrinterMetrics(p, config);
    EXPECT_EQ(config.LinesPerPage, 0);
}

TEST(PrinterMetrics, APageOfMostOfOneMoreLineCountsIt) {
    // A Letter page at 600 dpi: 6360 pixels of 100-pixel lines is 63.6 lines, rounded 64; the
    // margins of 430 pixels take 4 whole lines.
    PrinterMeasurements m = A4At600();
    m.pageHeight = 6360;
    const PrinterMetrics p = ComputePrinterMetrics(m);
    TConfigObj config;
    config.TopMargin = 250;
    config.BottomMargin = 180;
    EXPECT_EQ(LinesPerPage(p, config), 60);
    // 6349 pixels is 63.49 lines: rounded down.
    m.pageHeight = 6349;
    EXPECT_EQ(LinesPerPage(ComputePrinterMetrics(m), config), 59);
}
