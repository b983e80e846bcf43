#include "reports/ReportFiles.h"

#include <gtest/gtest.h>

using namespace velk;

// The save dialog of a list opens beside the competition, with the filter of the chosen form.
TEST(ReportFiles, TheSaveDialogOffersTheChosenFormBesideTheCompetition) {
    const FileChoice html = ReportSaveChoice(true, "/club/bc2026_1.dba");
    EXPECT_EQ(html.title, "Red naar bestand: ");
    EXPECT_EQ(html.filter, "HTML files (*.htm)|*.HTM");
    EXPECT_EQ(html.defaultExtension, "htm");
    EXPECT_EQ(html.initialPath, "/club/*.htm");

    const FileChoice text = ReportSaveChoice(false, "/club/bc2026_1.dba");
    EXPECT_EQ(text.title, "Red naar bestand: ");
    EXPECT_EQ(text.filter, "Text files (*.txt)|*.TXT|PDF files (*.pdf)|*.PDF");
    EXPECT_EQ(text.defaultExtension, "txt");
    EXPECT_EQ(text.initialPath, "/club/*.txt");
}
