#include "reports/ReportDocument.h"
#include "reports/ReportWriters.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velk {
namespace {

using test::ScriptedDialogs;

std::vector<std::string> Table(ReportKind kind) {
    Club club = test::MakeScheduleClub(1, 8, 4, 7, 1);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, kind);
    ReportDocument d;
    EXPECT_TRUE(WriteReport(context, d));
    EXPECT_FALSE(context.cancelled);
    EXPECT_TRUE(dialogs.messages.empty());
    return d.textLines();
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ReferenceTableReports, EveryPossibleScoreWithItsProperty) {
    // Scores.dab holds 200 scores; byte 5 (50 points) is 15, byte 62 (620) 12, byte 111 (1110) 8
    // and byte 28 (280) 3.
    const auto lines = Table(ReportKind::AllScores);
    ASSERT_EQ(lines.size(), 2u + 200u);
    EXPECT_EQ(lines[0], " L I J S T  van alle mogelijke  S C O R E S");
    EXPECT_EQ(lines[1], " Score Kwetsbaar   Score NIET Kwetsbaar");
    // Possible and normal both ways.
    EXPECT_EQ(lines[2], "    50  normaal       50  normaal  ");
    // Vulnerable only; 12 has its own dash.
    EXPECT_TRUE(Holds(lines, "   620  normaal      620    -     "));
    // Vulnerable and suspect only.
    EXPECT_TRUE(Holds(lines, "  1110  verdacht    1110     -    "));
    // Not vulnerable only: the short texts.
    EXPECT_TRUE(Holds(lines, "   280     -         280  normaal"));
}

TEST(ReferenceTableReports, ArbitralScoresForButler) {
    // ArbScors.dab: 0 % is -150 tenths and -15 IMPs, 60 % is 30 tenths and 3 IMPs.
    const auto lines = Table(ReportKind::ArbitralScoreTable);
    ASSERT_EQ(lines.size(), 4u + 101u + 1u);
    EXPECT_EQ(lines[0], "ARBITRALE  SCORES voor BUTLER");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "       %    Imp.    CImp.");
    EXPECT_EQ(lines[3], std::string(25, '-'));
    EXPECT_EQ(lines[4], "       0   -15.0   -15.0");
    EXPECT_EQ(lines[4 + 60], "      60    3.0    3.0");
    EXPECT_EQ(lines.back(), "Arbitrale Score Conversie: ArbScors.dab");
}

TEST(ReferenceTableReports, EveryContractWithItsScores) {
    // The first record of ContractScors.dab: 1K, 70 140 230 both vulnerabilities.
    const auto lines = Table(ReportKind::ContractScores);
    ASSERT_EQ(lines.size(), 3u + 35u);
    EXPECT_EQ(lines[0], "LIJST  van alle C O N T R A C T E N  en hun  S C O R E S");
    EXPECT_EQ(lines[1], "NK = Niet Kwetsbaar;  K = Kwetsbaar");
    EXPECT_EQ(lines[2], "Contract    NK   NK Doubl. NK Redoubl.   K       K Doubl. K Redoubl.");
    EXPECT_EQ(lines[3], "1K          70      140      230       70      140      230");
    EXPECT_EQ(lines[5], "1H          80      160      520       80      160      720");
}

} // namespace
} // namespace velk
