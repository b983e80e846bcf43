#include "core/FileBytes.h"
#include "core/files/CompetitionFile.h"
#include "reports/ReportDocument.h"
#include "reports/SeasonFiles.h"
#include "reports/YearTotalsReport.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velk {
namespace {

using test::ScriptedDialogs;

// Two groups of three pairs, club numbers 1-3 in A and 4-6 in B; group B earns 2 bonus points for
// every session a pair plays. Per competition the two sessions' percentages of each pair and the
// competition result after the second session.
struct PairResults {
    float first = 0, second = 0, result = 0;
};
struct CompetitionPlan {
    std::string dates[2];
    PairResults pairs[6];
};

const char* const kNames[6] = {"Jansen - de Vries", "Bakker - Visser", "Smit - Meijer",
                               "de Boer - Mulder",  "de Groot - Bos",  "Vos - Peters"};

// Pair 3 and pair 6 never play; pair 2 misses competition 2; pair 4 plays only the first session
// of competition 2.
const CompetitionPlan kPlans[3] = {
    {{"03-09-2026", "10-09-2026"},
     {{55, 55, 55}, {45, 45, 45}, {0, 0, 0}, {52, 52, 52}, {48, 48, 48}, {0, 0, 0}}},
    {{"01-10-2026", "8-10-2026"}, {{50, 50, 50}, {0, 0, 0}, {0, 0, 0}, {60, 0, 60}, {40, 40, 40}, {0, 0, 0}}},
    {{"05-11-2026", "12-11-2026"},
     {{51.5f, 51.5f, 51.5f}, {58, 58, 58}, {0, 0, 0}, {46, 46, 46}, {56.5f, 56.5f, 56.5f}, {0, 0, 0}}},
};

Club MakeCompetition(const CompetitionPlan& plan, const std::string& fileName) {
    Club club = test::MakeClub(6, 2, 3, 2);
    club.ConfigRecord.Head.CompetitionName.set("BC Test");
    club.CompetitionHead = club.ConfigRecord.Head;
    club.ConfigRecord.GroupBonus[1] = 2;
    club.ConfigRecord.OptionFlags |= OptionFlag::PrintPageHead;
    club.PairList[0] = MakeHeaderRecord(2026, fileName, true);
    for (int i = 1; i <= 6; ++i)
        club.PairList[static_cast<std::size_t>(i)].Naam.set(kNames[i - 1]);
    for (int s = 0; s < 2; ++s) {
        TZitCalcObj& session = club.SessionList[static_cast<std::size_t>(s)];
        session.SessionDate.set(plan.dates[s]);
        for (int i = 1; i <= 6; ++i) {
            TCalcObj& row = session.Rows[static_cast<std::size_t>(i)];
            const PairResults& p = plan.pairs[i - 1];
            row.ClubNr = static_cast<std::int16_t>(i);
            row.Percentage = s == 0 ? p.first : p.second;
            row.CompetitionTotal = s == 0 ? p.first : p.result;
        }
    }
    return club;
}

void Write(const Club& club, const std::string& path, bool before2013 = false) {
    std::vector<std::uint8_t> bytes =
        SerializeCompetitionFile(club, club.CompetitionHead, club.PairList[0].Naam.get(), 2026);
    if (before2013) {
        // Before 2013 no slam bonus block followed the configuration record, nor did its flag.
        bytes.erase(bytes.begin() + TConfigObj::Size, bytes.begin() + TConfigObj::Size + 32);
        bytes[63] = static_cast<std::uint8_t>(bytes[63] & ~2u);
    }
    test::WriteBytes(path, bytes);
}

// The season on disk: competition files first..first+2 hold the three plans (the first of them
// from before 2013), the ones before them copies of the first plan. The open file is the last.
struct Season {
    test::TempFolder folder{"season"};
    Club open;
    ScriptedDialogs dialogs;

    Season(const std::string& base, int first) {
        for (int n = 1; n < first + 3; ++n) {
            const std::string name = base + std::to_string(n) + ".dba";
            const int plan = std::max(n - first, 0);
            Write(MakeCompetition(kPlans[plan], name), folder.file(name), n == first);
        }
        const std::string name = base + std::to_string(first + 2) + ".dba";
        open = MakeCompetition(kPlans[2], name);
        open.ClubFilePath = folder.file(name);
        open.ClubFileName = name;
        open.CompetitionNumber = first + 2;
        open.CurrentSession = 2;
        open.SessionHead = open.SessionList[1];
    }

    std::vector<std::string> run(ReportKind kind, int first, int last) {
        ReportContext context(open, dialogs, kind);
        context.range.RangeFirst = static_cast<std::int16_t>(first);
        context.range.RangeLast = static_cast<std::int16_t>(last);
        context.groups.SelFirstGroup = 1;
        context.groups.SelLastGroup = 2;
        ReportDocument document;
        WriteYearTotals(context, document);
        cancelled = context.cancelled;
        width = context.width;
        return document.textLines();
    }
    bool cancelled = false;
    int width = 0;
};

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Counted by hand: the club line is 22 + 7 + 5 + 20 = 54 characters; the list 52 + 3 x 12 = 88.
std::vector<std::string> ExpectedHead(const std::string& title, const std::string& numbers) {
    return {
        "B R I D G E C L U B : BC Test       SEIZOEN  2026-2027",
        title + Blanks(54 - static_cast<int>(title.size()) - 18) + "Datum : 12-11-2026",
        "",
        "Competitie: " + Blanks(31) + numbers,
        std::string(88, '-'),
        Blanks(28) + "Speeldatum : 10-09" + Blanks(7) + "08-10" + Blanks(7) + "12-11" + Blanks(7),
        "ClubNr.        NAAM " + Blanks(19) + " perct  pl.  perct  pl.  perct  pl.  Totaal  pl.",
        std::string(88, '='),
    };
}

// Competition results with the bonus (group B: 2 a session played) and ranks among all six
// pairs, worked out by hand; the totals 156.50 + 156.50 tie for place 2.
const std::string kRow1 = "   1   Jansen - de Vries               "
                          "  55.00   2   50.00   2   51.50   3   156.50   2";
const std::string kRow2 = "   2   Bakker - Visser                 "
                          "  45.00   4    0.00   4   58.00   2   103.00   4";
const std::string kRow3 = "   3   Smit - Meijer                   "
                          "   0.00   5    0.00   4    0.00   5     0.00   5";
const std::string kRow4 = "   4   de Boer - Mulder                "
                          "  56.00   1   62.00   1   50.00   4   168.00   1";
const std::string kRow5 = "   5   de Groot - Bos                  "
                          "  52.00   3   44.00   3   60.50   1   156.50   2";
const std::string kRow6 = "   6   Vos - Peters                    "
                          "   0.00   5    0.00   4    0.00   5     0.00   5";

std::vector<std::string> Expected(const std::string& title, const std::string& numbers,
                                  const std::vector<std::string>& rows) {
    std::vector<std::string> lines = ExpectedHead(title, numbers);
    lines.insert(lines.end(), rows.begin(), rows.end());
    return lines;
}

TEST(YearTotalsTest, ByClubNumberListsEveryPairAlsoAfterOneWithoutTotal) {
    Season season("seizoen", 1);
    const auto lines = season.run(ReportKind::YearTotalsByNumber, 1, 3);
    ASSERT_FALSE(season.cancelled);
    EXPECT_EQ(season.width, 88);
    EXPECT_EQ(lines, Expected("T O T A A L  per J A A R op nummer",
                              " 1" + Blanks(10) + " 2" + Blanks(10) + " 3" + Blanks(10),
                              {kRow1, kRow2, kRow3, kRow4, kRow5, kRow6}));
    EXPECT_EQ(season.dialogs.texts(), std::vector<std::string>{"Bestand van voor 2013 seizoen1.dba"});
}

// By place as by number every pair is listed: the two pairs without a total share place 5 at the
// end, in club-number order, after the tie for place 2 (also kept in club-number order).
TEST(YearTotalsTest, ByPlaceListsEveryPairAlsoAfterOneWithoutTotal) {
    Season season("seizoen", 1);
    const auto lines = season.run(ReportKind::YearTotalsByPlace, 1, 3);
    ASSERT_FALSE(season.cancelled);
    EXPECT_EQ(lines, Expected("T O T A A L  per J A A R op plaats",
                              " 1" + Blanks(10) + " 2" + Blanks(10) + " 3" + Blanks(10),
                              {kRow4, kRow1, kRow5, kRow2, kRow3, kRow6}));
}

TEST(YearTotalsTest, TwoDigitCompetitionNumbersShareTheBase) {
    EXPECT_EQ(SeasonBase("/x/club7.dba"), "/x/club");
    EXPECT_EQ(SeasonBase("/x/club12.dba"), "/x/club");
    EXPECT_EQ(SeasonBase("club_3.dba"), "club_");
    EXPECT_EQ(SeasonBase("club.dba"), "club");
    EXPECT_EQ(SeasonExtension("/a.b/club12.dba"), ".dba");
    EXPECT_EQ(DriveBase("zomer4.dba"), "zomer");
    EXPECT_EQ(DriveBase("zomerA.dba"), "zomer");

    // Competitions 10..12 of a season of twelve files.
    Season season("club", 10);
    const auto lines = season.run(ReportKind::YearTotalsByNumber, 10, 12);
    EXPECT_EQ(lines, Expected("T O T A A L  per J A A R op nummer",
                              "10" + Blanks(10) + "11" + Blanks(10) + "12" + Blanks(10),
                              {kRow1, kRow2, kRow3, kRow4, kRow5, kRow6}));
    EXPECT_EQ(season.dialogs.texts(), std::vector<std::string>{"Bestand van voor 2013 club10.dba"});
}

TEST(YearTotalsTest, MissingCompetitionFile) {
    {
        // "Nee": the report ends with the message on the open file.
        Season season("seizoen", 1);
        std::filesystem::remove(season.folder.file("seizoen2.dba"));
        season.dialogs.answerNo();
        EXPECT_TRUE(season.run(ReportKind::YearTotalsByNumber, 1, 3).empty());
        EXPECT_TRUE(season.cancelled);
        EXPECT_EQ(season.dialogs.texts(),
                  (std::vector<std::string>{
                      "Bestand van voor 2013 seizoen1.dba", "Geen Competitie bestand seizoen2.dba",
                      "Doorgaan voor éénmalige drive-berekening ? ",
                      "seizoen3.dba inlezen NIET gelukt\n\r corrigeer (zonodig) invoer"}));
    }
    {
        // "Ja": the open file alone is the total.
        Season season("seizoen", 1);
        std::filesystem::remove(season.folder.file("seizoen2.dba"));
        season.dialogs.answerYes();
        const auto lines = season.run(ReportKind::YearTotalsByNumber, 1, 3);
        ASSERT_EQ(lines.size(), 8u + 6u);
        EXPECT_EQ(lines[3], "Competitie: " + Blanks(31) + " 3" + Blanks(10));
        EXPECT_EQ(lines[8], "   1   Jansen - de Vries               "
                            "  51.50   3    51.50   3");
        EXPECT_EQ(season.width, 64);
    }
}

TEST(YearTotalsTest, ClubNumberMissingFromACompetition) {
    Season season("seizoen", 1);
    // In competition 2 the sixth pair carries club number 7: club number 6 did not play it.
    Club second = MakeCompetition(kPlans[1], "seizoen2.dba");
    second.PairList[6].ClubNr = 7;
    for (TZitCalcObj& s : second.SessionList)
        s.Rows[6].ClubNr = 7;
    Write(second, season.folder.file("seizoen2.dba"));
    const auto lines = season.run(ReportKind::YearTotalsByNumber, 1, 3);
    ASSERT_EQ(lines.size(), 8u + 6u);
    EXPECT_EQ(lines[13], "   6   Vos - Peters                    "
                         "   0.00   5    0.00   0    0.00   5     0.00   5");
    EXPECT_EQ(season.dialogs.texts(),
              (std::vector<std::string>{"Bestand van voor 2013 seizoen1.dba",
                                        "ClubIndex gewijzigd voor: 6, Competitie 2"}));
}

TEST(YearTotalsTest, NoPercentagesInTheOpenSession) {
    Season season("seizoen", 1);
    for (int i = 1; i <= 3; ++i)
        season.open.SessionList[1].Rows[static_cast<std::size_t>(i)].Percentage = 0;
    EXPECT_TRUE(season.run(ReportKind::YearTotalsByNumber, 1, 3).empty());
    EXPECT_TRUE(season.cancelled);
    EXPECT_EQ(season.dialogs.texts(),
              std::vector<std::string>{"U heeft geen procenten berekend voor groep: A"});
}

TEST(YearTotalsTest, DamagedCompetitionFileEndsTheReport) {
    Season season("seizoen", 1);
    // Competition 2 cut short inside its second session's rows.
    const std::string path = season.folder.file("seizoen2.dba");
    auto bytes = ReadFileBytes(path, 1 << 20).bytes;
    bytes.resize(bytes.size() - 20);
    test::WriteBytes(path, bytes);
    EXPECT_TRUE(season.run(ReportKind::YearTotalsByNumber, 1, 3).empty());
    EXPECT_TRUE(season.cancelled);
    ASSERT_EQ(season.dialogs.texts().size(), 2u);
    EXPECT_EQ(season.dialogs.texts()[1], "Fout in data bestandRecord-index buiten bereik :2");
}

} // namespace
} // namespace velk
