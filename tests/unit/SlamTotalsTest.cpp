#include "core/files/CompetitionFile.h"
#include "core/files/SlamFile.h"
#include "reports/HtmlReport.h"
#include "reports/ReportDocument.h"
#include "reports/SlamTotalsReport.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velk {
namespace {

// Two competitions of four pairs and two sessions each, with their slam files. Pair 2 makes two
// small slams in hearts in competition 1 and a grand slam in no trump in competition 2; pair 4
// a small slam in diamonds in competition 2. Competition 2's file carries other bonus values
// than the open competition.
struct SlamSeason {
    test::TempFolder folder{"slams"};
    Club open;
    test::ScriptedDialogs dialogs;

    static Club Competition(const std::string& name) {
        Club club = test::MakeClub(4, 1, 2, 2);
        club.ConfigRecord.Head.CompetitionName.set("BC Test");
        club.CompetitionHead = club.ConfigRecord.Head;
        club.ConfigRecord.OptionFlags |= OptionFlag::PrintPageHead;
        club.PairList[0] = MakeHeaderRecord(2026, name, true);
        const char* names[4] = {"Jansen - de Vries", "Bakker - Visser", "Smit - Meijer", "de Boer - Mulder"};
        for (int i = 1; i <= 4; ++i)
            club.PairList[static_cast<std::size_t>(i)].Naam.set(names[i - 1]);
        for (TZitCalcObj& s : club.SessionList)
            s.SessionDate.set("12-11-2026");
        return club;
    }

    SlamSeason() {
        for (int n = 1; n <= 2; ++n) {
            Club c = Competition("slem" + std::to_string(n) + ".dba");
            if (n == 2)
                for (auto& v : c.SlamBonusTable.Values)
                    v = 10;
            test::WriteBytes(folder.file("slem" + std::to_string(n) + ".dba"),
                             SerializeCompetitionFile(c, c.CompetitionHead, c.PairList[0].Naam.get(), 2026));
            std::vector<TZitSlemObj> blocks = {NewSlamBlock(1, 4), NewSlamBlock(2, 4)};
            if (n == 1) {
                blocks[0].Records[2].SlamCounts[SmallSlamMajor] = 1;
                blocks[1].Records[2].SlamCounts[SmallSlamMajor] = 1;
            } else {
                blocks[1].Records[2].SlamCounts[GrandSlamNoTrump] = 1;
                blocks[0].Records[4].SlamCounts[SmallSlamMinor] = 1;
            }
            test::WriteBytes(folder.file("slem" + std::to_string(n) + ".slm"), SerializeSlamFile(blocks, 4));
        }
        open = Competition("slem2.dba");
        open.ClubFilePath = folder.file("slem2.dba");
        open.ClubFileName = "slem2.dba";
        open.CompetitionNumber = 2;
        open.CurrentSession = 2;
        open.SessionHead = open.SessionList[1];
    }

    ReportContext context(int competition = 0) {
        ReportContext c(open, dialogs, ReportKind::SlamTotals);
        c.range.RangeFirst = static_cast<std::int16_t>(competition);
        return c;
    }
};

// Widths counted by hand: number 3, " |", name 32, "|", six cells of 6, total 5, " | ", points 4, " |".
const std::string kEmpty = "     |";
const std::string kSeparator =
    "---+" + std::string(32, '-') + "+-----+-----+-----+-----+-----+-----+------+------+";

TEST(SlamTotalsTest, TwoSmallSlamsInHeartsAndAGrandSlamInNoTrumpMakeNinePoints) {
    SlamSeason season;
    ReportContext context = season.context();
    ReportDocument document;
    WriteSlamTotals(context, document);
    EXPECT_EQ(context.width, 80);
    const std::vector<std::string> expected = {
        "B R I D G E C L U B : BC Test       SEIZOEN  2026-2027",
        // 54 - 31 - 18 = 5 blanks.
        "Verzameling van Slem Contracten     Datum : 12-11-2026",
        "C o m p e t i t i e : 1 t.e.m.2",
        "",
        " Nr.| Naam                           |6Kl/R|6Ha/S| 6SA |7Kl/R|7Ha/S| 7SA |Totaal|Punten|",
        kSeparator,
        "  1 |Jansen - de Vries               |" + kEmpty + kEmpty + kEmpty + kEmpty + kEmpty + kEmpty +
            "    0 |    0 |",
        // 2 x 2 (small slam, major) + 5 (grand slam, no trump) with the open competition's values.
        "  2 |Bakker - Visser                 |" + kEmpty + "   2 |" + kEmpty + kEmpty + kEmpty + "   1 |" +
            "    3 |    9 |",
        "  3 |Smit - Meijer                   |" + kEmpty + kEmpty + kEmpty + kEmpty + kEmpty + kEmpty +
            "    0 |    0 |",
        "  4 |de Boer - Mulder                |   1 |" + kEmpty + kEmpty + kEmpty + kEmpty + kEmpty +
            "    1 |    2 |",
        kSeparator,
        " Zie voor Slempunten: Menu Opties" + std::string(35, ' ') + "Totaal:   4",
        "",
    };
    EXPECT_EQ(document.textLines(), expected);
    EXPECT_TRUE(season.dialogs.texts().empty());
    // The open competition keeps its own bonus values.
    EXPECT_EQ(season.open.SlamBonusTable.Values[GrandSlamNoTrump], 5);
}

TEST(SlamTotalsTest, OneCompetitionAndAMissingSlamFile) {
    SlamSeason season;
    {
        ReportContext context = season.context(1);
        ReportDocument document;
        WriteSlamTotals(context, document);
        const auto lines = document.textLines();
        EXPECT_EQ(lines[2], "C o m p e t i t i e : 1");
        EXPECT_EQ(lines[7], "  2 |Bakker - Visser                 |" + kEmpty + "   2 |" + kEmpty + kEmpty +
                                kEmpty + kEmpty + "    2 |    4 |");
    }
    std::filesystem::remove(season.folder.file("slem1.slm"));
    ReportContext context = season.context();
    ReportDocument document;
    WriteSlamTotals(context, document);
    EXPECT_EQ(season.dialogs.texts(),
              std::vector<std::string>{"slem1.slm inlezen NIET gelukt\n\r verifieer eerst slemdata"});
    EXPECT_EQ(document.textLines()[7], "  2 |Bakker - Visser                 |" + kEmpty + kEmpty + kEmpty +
                                           kEmpty + kEmpty + "   1 |" + "    1 |    5 |");
}

TEST(SlamTotalsTest, FrameLinesAndHtml) {
    SlamSeason season;
    season.open.ConfigRecord.OptionFlags |= OptionFlag::FrameLines;
    ReportContext context = season.context();
    ReportDocument document;
    WriteSlamTotals(context, document);
    EXPECT_EQ(document.textLines()[4],
              " Nr.\u2502 Naam                           \u2502 6\u2663/\u2666\u2502 6\u2665/\u2660"
              "\u2502 6SA \u2502 7\u2663/\u2666\u2502 7\u2665/\u2660\u2502 7SA \u2502Totaal"
              "\u2502Punten\u2502");
    EXPECT_EQ(document.textLines()[5].substr(0, 12), "\u2500\u2500\u2500\u253C");

    const std::string html = SlamTotalsHtml(context);
    EXPECT_NE(html.find("<TR><TD COLSPAN=2>C o m p e t i t i e : 1 t.e.m.2</TD><TD>&nbsp;</TD>"),
              std::string::npos);
    EXPECT_NE(
        html.find(
            "<TR><TD ALIGN=\"RIGHT\">2</TD><TD>Bakker - Visser                    </TD>"
            "<TD ALIGN=\"RIGHT\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD> <TD ALIGN=\"RIGHT\">&nbsp;2&nbsp;</TD>"),
        std::string::npos);
    EXPECT_NE(html.find("<TD ALIGN=\"RIGHT\">3&nbsp;</TD><TD ALIGN=\"RIGHT\">9&nbsp;</TD>"),
              std::string::npos);
    EXPECT_NE(html.find("COLSPAN=2>Totaal :4</TD></TR>"), std::string::npos);
    EXPECT_EQ(html.substr(0, 5), "<PRE>");
    EXPECT_NE(html.find("</TABLE> <BR>\n</PRE>"), std::string::npos);
}

} // namespace
} // namespace velk
