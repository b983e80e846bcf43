#include "core/records/ConfigRecord.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRun.h"
#include "reports/ReportWriters.h"
#include "reports/ResultListHeader.h"
#include "support/ClubBuilder.h"
#include "support/FixedSelections.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velk {
namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Two groups of 8 pairs, session 1 on 15-12-2026, "Print kop" on, competition 1.
Club TwoGroupClub() {
    Club club = test::MakeClub(16, 2);
    club.ConfigRecord.Head.CompetitionName.set("De Troef");
    club.CompetitionHead.CompetitionName.set("De Troef");
    club.ConfigRecord.OptionFlags = OptionFlag::PrintPageHead;
    club.CompetitionHead.NeubergMode = NeubergOff; // whole points
    club.CurrentSession = 1;
    TZitCalcObj& z = club.SessionList[0];
    z.SessionDate.set("15-12-2026");
    z.GroupPairs[0] = 8;
    z.GroupPairs[1] = 8;
    club.SessionHead = z;
    for (int p = 1; p <= 16; ++p)
        club.PairList[static_cast<std::size_t>(p)].Naam.set("Paar " + std::to_string(p));
    return club;
}

void SetResult(Club& club, int session, int position, float points, int rank, float pct = 0, int subs = 0) {
    TCalcObj& r =
        club.SessionList[static_cast<std::size_t>(session - 1)].Rows[static_cast<std::size_t>(position)];
    r.Points = points;
    r.SessionRank = static_cast<std::int16_t>(rank);
    r.CompetitionRank = static_cast<std::int16_t>(rank);
    r.Percentage = pct;
    r.CompetitionTotal = pct;
    r.Substitutes = static_cast<std::int16_t>(subs);
}

using test::FixedSelections;

struct Listing {
    std::vector<std::string> lines;
    std::string warnings;
    std::vector<std::string> messages;
    ReportOutcome outcome;
    std::vector<ReportLine> entries;
};

Listing ListReport(Club& club, ReportKind kind, int firstGroup, int lastGroup, int firstSession = 1,
                   int lastSession = 1, std::deque<int> answers = {}) {
    test::ScriptedDialogs dialogs;
    dialogs.answers = answers;
    FixedSelections selections;
    selections.groups.SelFirstGroup = static_cast<std::int16_t>(firstGroup);
    selections.groups.SelLastGroup = static_cast<std::int16_t>(lastGroup);
    selections.groups.SelFirstSession = static_cast<std::int16_t>(firstSession);
    selections.groups.SelLastSession = static_cast<std::int16_t>(lastSession);
    test::TempFolder folder;
    ReportRun run(club, dialogs, selections);
    run.setWorkFolder(folder.path());
    Listing out;
    out.outcome = run.open(kind);
    out.lines = run.document().textLines();
    out.entries = run.document().lines();
    out.warnings = run.warnings();
    out.messages = dialogs.texts();
    return out;
}

TEST(ResultListHeaderTest, LinesCharacterByCharacter) {
    HeaderColumns two{ReportKind::PointsByNumber, 1, {1, 2}, {"15-12-2026", "5-01-2027"}};
    // 12 + 3 + (30 - 14) blanks + 10, then 2 + 10 blanks per session.
    EXPECT_EQ(CompetitionLine(two),
              "Competitie:   1" + Blanks(16) + "Zitting :  1" + Blanks(10) + " 2" + Blanks(10));
    // "Groep : A", 30 - 11 blanks, and day-month with 7 blanks; a one-digit day gets its zero.
    EXPECT_EQ(GroupDateLine(two, 'B'),
              "Groep : B" + Blanks(19) + "Speeldatum : 15-12" + Blanks(7) + "05-01" + Blanks(7));
    EXPECT_EQ(ColumnLine(two), "  Nr.        NAAM " + Blanks(21) + "punt.Invr.  punt.Invr.  Totaal pl.");

    HeaderColumns pct{ReportKind::PercentagesByNumber, 4, {3}, {"01-03-2027"}};
    EXPECT_EQ(CompetitionLine(pct), "Competitie:   4" + Blanks(15) + "Zitting :  3" + Blanks(10));
    EXPECT_EQ(GroupDateLine(pct, 'A'), "Groep : A" + Blanks(18) + "Speeldatum : 01-03" + Blanks(7));
    EXPECT_EQ(ColumnLine(pct), "  Nr.        NAAM " + Blanks(21) + " perct  pl.  Totaal  pl.");

    // The year totals: nine blanks for the group, 31 - 12 blanks, club numbers in the column line.
    HeaderColumns totals{ReportKind::YearTotalsByNumber, 2, {1, 2}, {"10-09-2026", "12-11-2026"}};
    EXPECT_EQ(CompetitionLine(totals), "Competitie: " + Blanks(31) + " 1" + Blanks(10) + " 2" + Blanks(10));
    EXPECT_EQ(GroupDateLine(totals, 'A'),
              Blanks(9) + Blanks(19) + "Speeldatum : 10-09" + Blanks(7) + "12-11" + Blanks(7));
    EXPECT_EQ(ColumnLine(totals),
              "ClubNr.        NAAM " + Blanks(19) + " perct  pl.  perct  pl.  Totaal  pl.");
}

TEST(SessionListTest, PageHeaderAndTwoGroupsByNumber) {
    Club club = TwoGroupClub();
    const float points[] = {50, 60, 70, 60, 65, 40, 45, 30};
    const int ranks[] = {5, 3, 1, 3, 2, 7, 6, 8};
    for (int p = 1; p <= 8; ++p) {
        SetResult(club, 1, p, points[p - 1], ranks[p - 1], 0, p == 2 ? 1 : 0);
        SetResult(club, 1, 8 + p, 40.0f + p, 9 - p);
    }
    const Listing list = ListReport(club, ReportKind::PointsByNumber, 1, 2);
    ASSERT_EQ(list.outcome, ReportOutcome::Shown);
    EXPECT_TRUE(list.messages.empty());
    // Width 52 + 12 + 3 = 67 (a competition file).
    const std::string single(67, '-');
    const std::string doubled(67, '=');
    // Club line 55 long: the title of 37 characters leaves 55 - 37 - 18 = 0 blanks.
    const std::vector<std::string> head = {
        "B R I D G E C L U B : De Troef       SEIZOEN  2026-2027",
        "P U N T E N van P A R E N  op ClubNr.Datum : 15-12-2026",
        "",
        "Competitie:   1" + Blanks(16) + "Zitting :  1" + Blanks(10),
        single,
        "Groep : A" + Blanks(19) + "Speeldatum : 15-12" + Blanks(7),
        "  Nr.        NAAM " + Blanks(21) + "punt.Invr.  Totaal pl.",
        doubled,
    };
    ASSERT_GE(list.lines.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(list.lines[i], head[i]) << "line " << i;
    // Number 3, two blanks, name in 33, points in 5, a blank, substitutes in 3, three blanks,
    // the total in 6 and the rank in 3.
    EXPECT_EQ(list.lines[8], "  1  Paar 1" + Blanks(27) + "   50   0   " + "    50  5");
    EXPECT_EQ(list.lines[9], "  2  Paar 2" + Blanks(27) + "   60   1   " + "    60  3");
    EXPECT_EQ(list.lines[15], "  8  Paar 8" + Blanks(27) + "   30   0   " + "    30  8");
    EXPECT_EQ(list.lines[16], "");
    // Group B gets its own head.
    EXPECT_EQ(list.lines[17], single);
    EXPECT_EQ(list.lines[18], "");
    EXPECT_EQ(list.lines[19], "Groep : B" + Blanks(19) + "Speeldatum : 15-12" + Blanks(7));
    EXPECT_EQ(list.lines[20], "  Nr.        NAAM " + Blanks(21) + "punt.Invr.  Totaal pl.");
    EXPECT_EQ(list.lines[21], doubled);
    // Pairs of group B are numbered 1..8 within their group.
    EXPECT_EQ(list.lines[22], "  1  Paar 9" + Blanks(27) + "   41   0   " + "    41  8");
    EXPECT_EQ(list.lines.size(), 31u);

    // The markers: bold on before the club line, off after the column line; a block per group.
    EXPECT_EQ(list.entries[0].kind, ReportLineKind::BeginBlock);
    EXPECT_EQ(list.entries[1].kind, ReportLineKind::BoldOn);
    EXPECT_EQ(list.entries[9].kind, ReportLineKind::BoldOff);
}

TEST(SessionListTest, ByRankWithTiesAndASeventhTiedPair) {
    Club club = TwoGroupClub();
    const int ranks[] = {5, 3, 1, 3, 2, 7, 6, 8};
    for (int p = 1; p <= 8; ++p) {
        SetResult(club, 1, p, 10.0f * p, ranks[p - 1]);
        // Group B: seven pairs share rank 1.
        SetResult(club, 1, 8 + p, 50, p == 8 ? 8 : 1);
    }
    const Listing list = ListReport(club, ReportKind::PointsByRank, 1, 2);
    ASSERT_EQ(list.outcome, ReportOutcome::Shown);
    std::vector<std::string> numbers;
    for (const std::string& line : list.lines)
        if (line.size() > 5 && line.substr(5, 5) == "Paar ")
            numbers.push_back(line.substr(0, 3));
    // Rows 3 and 4 are the two pairs tied on 3 in number order, no rank 4, then rank 5.
    const std::vector<std::string> expected = {"  3", "  5", "  2", "  4", "  1", "  7", "  6", "  8",
                                               "  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8"};
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(list.lines[10], "  2  Paar 2" + Blanks(27) + "   20   0   " + "    20  3");
    EXPECT_EQ(list.lines[11], "  4  Paar 4" + Blanks(27) + "   40   0   " + "    40  3");
}

TEST(SessionListTest, RangeOfSessionsSortsByCumulativeRank) {
    Club club = TwoGroupClub();
    AppendNewSession(club);
    club.SessionList[1].SessionDate.set("22-12-2026");
    for (int p = 1; p <= 8; ++p) {
        SetResult(club, 1, p, 10, p);
        SetResult(club, 2, p, 20, p);
        // The cumulative rank of session 2 reverses the order.
        club.SessionList[1].Rows[static_cast<std::size_t>(p)].CompetitionRank =
            static_cast<std::int16_t>(9 - p);
    }
    const Listing one = ListReport(club, ReportKind::PointsByRank, 1, 1, 2, 2);
    EXPECT_EQ(one.lines[8].substr(0, 3), "  1");
    const Listing two = ListReport(club, ReportKind::PointsByRank, 1, 1, 1, 2);
    EXPECT_EQ(two.lines[8].substr(0, 3), "  8");
    // Two session columns, the total is their sum: 3 + 2 + 33, then 12 per session, 6 + 3.
    EXPECT_EQ(two.lines[8], "  8  Paar 8" + Blanks(27) + "   10   0   " + "   20   0   " + "    30  1");
    EXPECT_EQ(two.lines[3], "Competitie:   1" + Blanks(16) + "Zitting :  1" + Blanks(10) + " 2" + Blanks(10));
    EXPECT_EQ(two.lines[4], std::string(79, '-'));
}

TEST(SessionListTest, PromotionsDegradationsAndTheOverflowWarning) {
    Club club = TwoGroupClub();
    club.ConfigRecord.Degradations[0] = 2; // two pairs of A go down ...
    club.ConfigRecord.PromotionsUp[1] = 2; // ... and two of B come up
    // Group A: ranks 7, 7 and 8 are three pairs in the last two places.
    const int ranksA[] = {1, 2, 3, 4, 5, 7, 7, 8};
    // Group B: ranks 1, 2, 2 are three pairs in the first two places.
    const int ranksB[] = {1, 2, 2, 4, 5, 6, 7, 8};
    for (int p = 1; p <= 8; ++p) {
        SetResult(club, 1, p, 10, ranksA[p - 1]);
        SetResult(club, 1, 8 + p, 10, ranksB[p - 1]);
    }
    const Listing list = ListReport(club, ReportKind::PointsByNumber, 1, 2);
    int p = 0;
    int d = 0;
    for (const std::string& line : list.lines) {
        p += line.ends_with(" p ");
        d += line.ends_with(" d ");
    }
    EXPECT_EQ(p, 3);
    EXPECT_EQ(d, 3);
    EXPECT_EQ(list.lines[14], "  7  Paar 7" + Blanks(27) + "   10   0   " + "    10  7 d ");
    EXPECT_EQ(list.lines[22], "  1  Paar 9" + Blanks(27) + "   10   0   " + "    10  1 p ");
    // Only the first group that overflows is warned about.
    EXPECT_EQ(list.warnings, "Teveel degradaties Groep: A, maak een keuze ");

    club.ConfigRecord.Degradations[0] = 3;
    const Listing second = ListReport(club, ReportKind::PointsByNumber, 1, 2);
    EXPECT_EQ(second.warnings, "Teveel promoties Groep: B, maak een keuze ");
}

TEST(SessionListTest, PercentagesNeubergDecimalsTwoLinesAndChecks) {
    Club club = TwoGroupClub();
    club.CompetitionHead.NeubergMode = NeubergOneDecimal;
    for (int p = 1; p <= 8; ++p)
        SetResult(club, 1, p, 7.5f, p, 52.125f);
    // Group B has no results: it is said and left out.
    const Listing points = ListReport(club, ReportKind::PointsByNumber, 1, 2);
    EXPECT_EQ(points.lines[8], "  1  Paar 1" + Blanks(27) + "  7.5   0   " + "   7.5  1");
    EXPECT_EQ(points.messages, std::vector<std::string>{"U heeft nog geen punt ingevoerd voor groep: B"});
    EXPECT_EQ(points.lines.size(), 17u);

    // Percentage with the correction in 7 with two decimals, the rank in 3, two blanks, then the
    // cumulative percentage in 8 and the rank; in two lines the even rows take the rank in 5.
    club.SessionList[0].TwoLines = 1;
    club.SessionList[0].Rows[1].Correction = 1.0f;
    const Listing pct = ListReport(club, ReportKind::PercentagesByNumber, 1, 1);
    EXPECT_EQ(pct.lines[8], "  1  Paar 1" + Blanks(27) + "  53.13  1  " + "   52.13  1");
    EXPECT_EQ(pct.lines[9], "  2  Paar 2" + Blanks(27) + "  52.13  2  " + "   52.13    2");

    // Butler has no percentages; no session refuses every session list.
    club.CompetitionHead.ScoringMode = ModeButler;
    EXPECT_EQ(ListReport(club, ReportKind::PercentagesByRank, 1, 1).messages,
              std::vector<std::string>{"Geen Percentages voor Butler of Cross-IMP berekening"});
    club.CurrentSession = 0;
    const Listing none = ListReport(club, ReportKind::PointsByNumber, 1, 1);
    EXPECT_EQ(none.outcome, ReportOutcome::Stopped);
    EXPECT_EQ(none.messages, std::vector<std::string>{"Er is nog geen zitting geopend\rdoe dit eerst..."});
}

TEST(SessionListTest, RanksNeverComputedEndTheList) {
    Club club = TwoGroupClub();
    for (int p = 1; p <= 8; ++p)
        SetResult(club, 1, p, 10, 0);
    const Listing list = ListReport(club, ReportKind::PointsByRank, 1, 1);
    EXPECT_EQ(list.messages, std::vector<std::string>{
                                 "Procenten en Rang van paren zijn niet berekend; Ga naar Zitting|Openen"});
    EXPECT_EQ(list.lines.size(), 8u);
}

TEST(SessionListTest, FileWithoutCompetitionNumberWarnsFirst) {
    Club club = TwoGroupClub();
    club.CompetitionNumber = 0;
    for (int p = 1; p <= 8; ++p)
        SetResult(club, 1, p, 10, p);
    const Listing list = ListReport(club, ReportKind::PointsByNumber, 1, 1);
    EXPECT_EQ(list.messages, std::vector<std::string>{"Bestand zonder Competitie-Index : test_1.dba"});
    // No competition line and no p/d column: width 52 + 12 = 64.
    EXPECT_EQ(list.lines[3], std::string(64, '-'));
}

TEST(PairListTest, NamesWithClubNumbersAndAnEmptyLinePerGroup) {
    Club club = TwoGroupClub();
    club.PairList[1].ClubNr = 5;
    club.PairList[2].ClubNr = 123;
    const Listing list = ListReport(club, ReportKind::PairList, 1, 1, 1, 1, {Result::Yes});
    ASSERT_EQ(list.outcome, ReportOutcome::Shown);
    // The club name padded to the club line's 55 characters; the title 20 + 55 - 20 - 18 blanks.
    EXPECT_EQ(list.lines[0], "De Troef" + Blanks(47));
    EXPECT_EQ(list.lines[1], "P A R E N L I J S T " + Blanks(17) + "Datum : 15-12-2026");
    EXPECT_EQ(list.lines[2], std::string(40, '-'));
    EXPECT_EQ(list.lines[3], std::string(40, '='));
    EXPECT_EQ(list.lines[4], " 5  Paar 1");
    EXPECT_EQ(list.lines[5], "123  Paar 2");
    EXPECT_EQ(list.lines[12], "");
    EXPECT_EQ(list.lines.size(), 4u + 16u + 2u);
    EXPECT_EQ(list.messages, std::vector<std::string>{"Namen voorzien van Clubnummer?"});
}

TEST(ReportRunTest, WorkFileAndKindsWithoutAWriter) {
    Club club = TwoGroupClub();
    for (int p = 1; p <= 8; ++p)
        SetResult(club, 1, p, 10, p);
    test::ScriptedDialogs dialogs;
    FixedSelections selections;
    test::TempFolder folder;
    ReportRun run(club, dialogs, selections);
    run.setWorkFolder(folder.path());
    ASSERT_EQ(run.open(ReportKind::PointsByNumber), ReportOutcome::Shown);
    std::ifstream in(folder.path() / "UitTekst", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), run.document().plainText());
    EXPECT_EQ(selections.asked, 1);

    // A kind nobody has written yet asks nothing and says so through the outcome.
    if (!HasReportWriter(ReportKind::AllScores)) {
        EXPECT_EQ(run.open(ReportKind::AllScores), ReportOutcome::NotAvailable);
        EXPECT_EQ(selections.asked, 1);
    }
    EXPECT_EQ(QuestionOf(ReportKind::PairList), ReportQuestion::None);
    EXPECT_EQ(QuestionOf(ReportKind::GuideCards), ReportQuestion::Range);
    EXPECT_EQ(QuestionOf(ReportKind::Frequencies), ReportQuestion::Groups);
    EXPECT_EQ(HelpContextOf(ReportKind::PointsByRank), 261);
    EXPECT_EQ(HelpContextOf(ReportKind::Frequencies), 264);
    EXPECT_EQ(HelpContextOf(ReportKind::GroupCountList), 263);
    EXPECT_EQ(HelpContextOf(ReportKind::AllScores), 260);
    EXPECT_EQ(OtherKindOf(ReportKind::PercentagesByRank), ReportKind::PercentagesByNumber);
    EXPECT_EQ(OtherKindOf(ReportKind::ScoresPerBoardAllGroups), ReportKind::ScoresPerBoard);
    EXPECT_FALSE(OtherKindOf(ReportKind::GroupCountList));
}

TEST(ReportRunTest, GivenGroupsGoToAKindThatAsksNothing) {
    Club club = TwoGroupClub();
    for (int p = 1; p <= 16; ++p)
        SetResult(club, 1, p, 10, p);
    test::ScriptedDialogs dialogs;
    FixedSelections selections;
    test::TempFolder folder;
    ReportRun run(club, dialogs, selections);
    run.setWorkFolder(folder.path());

    const GroupSelection b = OneGroupSelection(2);
    EXPECT_EQ(b.SelGroupChar, 'B');
    EXPECT_EQ(b.SelFirstGroup, 2);
    EXPECT_EQ(b.SelLastGroup, 2);
    // The pair list asks no selection: the groups given are its context's.
    dialogs.answerNo(); // "Namen voorzien van Clubnummer?"
    ASSERT_EQ(run.open(ReportKind::PairList, b), ReportOutcome::Shown);
    EXPECT_EQ(selections.asked, 0);
    ASSERT_NE(run.context(), nullptr);
    EXPECT_EQ(run.context()->groups.SelFirstGroup, 2);
    EXPECT_EQ(run.context()->groups.SelLastGroup, 2);
    // Without them, group A as before.
    dialogs.answerNo();
    ASSERT_EQ(run.open(ReportKind::PairList), ReportOutcome::Shown);
    EXPECT_EQ(run.context()->groups.SelFirstGroup, 1);
    EXPECT_EQ(run.context()->groups.SelLastGroup, 1);

    // A kind that asks lists the answer.
    selections.groups.SelFirstGroup = 1;
    selections.groups.SelLastGroup = 1;
    ASSERT_EQ(run.open(ReportKind::PointsByNumber, b), ReportOutcome::Shown);
    EXPECT_EQ(selections.asked, 1);
    EXPECT_EQ(run.context()->groups.SelLastGroup, 1);
    const std::string text = run.document().plainText();
    EXPECT_NE(text.find("Groep : A"), std::string::npos);
    EXPECT_EQ(text.find("Groep : B"), std::string::npos);
}

} // namespace
} // namespace velk
