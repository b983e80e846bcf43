#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "reports/PairPageHandOff.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRun.h"
#include "reports/ReportWriters.h"
#include "reports/SessionMatchPoints.h"
#include "scoring/ScoreCode.h"
#include "support/FixedSelections.h"
#include "support/RecordingOpener.h"
#include "support/ScheduleFixtures.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/StoredSessionMatchPoints.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velk {
namespace {

using test::ScriptedDialogs;

const char* const kNames[] = {"",
                              "Jansen - de Vries",
                              "Bakker - Smit",
                              "Visser - Mulder",
                              "Bos - Peters",
                              "Dekker - Kok",
                              "Meijer - de Boer"};

// The session's score block from `list`, and the match points computed from it stored.
void AddStoredScores(Club& club, const test::ScoreListBuilder& list, int boards) {
    TZitScoreObj block;
    block.BoardsInList = static_cast<std::int16_t>(boards);
    block.SessionIndex = 1;
    block.Records = list.scores;
    club.SessionScoreList.push_back(block);
    test::StoreSessionMatchPoints(club);
}

// One group of six pairs on three tables, two rounds of two boards: pairs 1, 3 and 5 sit
// North-South against 2, 4 and 6. North-South scores per board and table; table 3 did not play
// board 4.
//   board 1:  420  450  420
//   board 2: -100 -100 -100
//   board 3:  200  100  140
//   board 4:   50  -50    -
// Without Neuberg (top 4, board 4 top 2) the match points in tenths are, pairs 1 to 6:
//   board 1: 10 30 40  0 10 30
//   board 2: 20 20 20 20 20 20
//   board 3: 40  0  0 40 20 20
//   board 4: 20  0  0 20  -  -
Club SixPairClub(std::uint16_t mode = ModePairs) {
    Club club = test::MakeScheduleClub(1, 6, 3, 2, 1);
    club.CompetitionHead.ScoringMode = mode;
    club.ConfigRecord.Head = club.CompetitionHead;
    club.ConfigRecord.Head.CompetitionName.set("De Troef");
    club.CompetitionNumber = 1;
    club.PairList.push_back(MakeHeaderRecord(2026, club.ClubFileName, true));
    for (int p = 1; p <= 6; ++p) {
        TParenObj pair = MakeNewPair(p, 6, 1, false);
        pair.Naam.set(kNames[p]);
        club.PairList.push_back(pair);
    }
    TZitCalcObj& s = club.SessionList[0];
    s.BoardCount = 4;
    s.BoardsPerRound = 2;
    s.BoardGroupCount = 2;
    s.SessionDate.set("15-12-2026");
    s.Rows.assign(7, TCalcObj{});
    const float totals[] = {0, 9.0f, 5.0f, 6.0f, 8.0f, 5.0f, 7.0f};
    for (int p = 1; p <= 6; ++p) {
        TCalcObj& r = s.Rows[static_cast<std::size_t>(p)];
        r.Points = totals[p];
        r.Percentage = 50;
        r.BoardsPlayed = static_cast<std::uint8_t>(p >= 5 ? 3 : 4);
    }
    club.SessionHead = s;

    TZitSchemaObj schedule;
    schedule.Entries.assign(1 + 2 * 3, TSchemaObj{});
    for (int r = 1; r <= 2; ++r)
        for (int t = 1; t <= 3; ++t)
            schedule.Entries[static_cast<std::size_t>((r - 1) * 3 + t)] = {
                static_cast<std::int16_t>(t), static_cast<std::int16_t>(2 * t - 1),
                static_cast<std::int16_t>(2 * t), static_cast<std::uint8_t>('A' + r - 1)};
    club.SessionScheduleList.push_back(schedule);

    test::ScoreListBuilder list(1, 6, 4, 2);
    const int scores[4][3] = {{420, 450, 420}, {-100, -100, -100}, {200, 100, 140}, {50, -50, 0}};
    for (int b = 1; b <= 4; ++b)
        for (int t = 1; t <= 3; ++t)
            if (b < 4 || t < 3)
                list.table(1, b, 2 * t - 1, 2 * t, scores[b - 1][t - 1]);
    AddStoredScores(club, list, 4);
    return club;
}

// Table 3 of board 1 gets the arbitral scores 60 % and 40 %.
void GiveArbitralScores(Club& club) {
    auto& records = club.SessionScoreList[0].Records;
    TScoreObj& ns = records[static_cast<std::size_t>(ScoreRecordIndex(1, 1, 5, 4, 6))];
    ns.Code = 1;
    ns.Score = 60;
    TScoreObj& ew = records[static_cast<std::size_t>(ScoreRecordIndex(1, 1, 6, 4, 6))];
    ew.Code = 1;
    ew.Score = 40;
    test::StoreSessionMatchPoints(club);
}

// Rows from..from + n - 1 of a list are exactly `rows`.
void ExpectRows(const std::vector<std::string>& lines, std::size_t from,
                const std::vector<std::string>& rows) {
    ASSERT_GE(lines.size(), from + rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(lines[from + i], rows[i]) << "row " << from + i;
}

// The text of report `kind` over the boards first..last, written whole without a message.
std::vector<std::string> BoardReport(Club& club, ReportKind kind, int first, int last) {
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, kind);
    context.groups.SelFirstItem = first;
    context.groups.SelLastItem = last;
    ReportDocument d;
    EXPECT_TRUE(WriteReport(context, d));
    EXPECT_TRUE(dialogs.messages.empty());
    return d.textLines();
}

ReportContext CountListContext(Club& club, ScriptedDialogs& dialogs) {
    ReportContext context(club, dialogs, ReportKind::CountList);
    context.groups.SelFirstGroup = 1;
    context.groups.SelLastGroup = 1;
    return context;
}

TEST(MatchPointTableReports, CountListOfASessionWithABoardNotPlayed) {
    Club club = SixPairClub();
    ScriptedDialogs dialogs;
    ReportContext context = CountListContext(club, dialogs);
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    EXPECT_EQ(context.width, 101);
    EXPECT_TRUE(dialogs.messages.empty());
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 2u + 6u + 1u);
    EXPECT_EQ(lines[0], "G r o e p : A    Zitting : 1");
    // As wide as "B R I D G E C L U B : De Troef       SEIZOEN  2026-2027".
    EXPECT_EQ(lines[1], std::string(55, ' '));
    EXPECT_EQ(lines[2], "TopPnt per Spel =  4");
    EXPECT_EQ(lines[3], "Pr.\\Sp  1- 2   3- 4  Totaal Procent rang Naam");
    // Two board groups: 2 x 7 + 29 + 32 for the names.
    EXPECT_EQ(lines[4], std::string(75, '-'));
    // Percentages over the tops of the boards played: board 4, played at two tables, has a top
    // of 2, so pairs 1 to 4 have 4 + 4 + 4 + 2 = 14 (9.0 / 14 is 64.29 %), pairs 5 and 6, who did
    // not play it, 12 (5.0 / 12 is 41.67 %); ranks follow the percentages: 64.29, 58.33, 57.14,
    // 42.86, 41.67, 35.71.
    ExpectRows(lines, 5,
               {"  1      3.0    6.0     9.0   64.29   1  Jansen - de Vries",
                "  2      5.0    0.0     5.0   35.71   6  Bakker - Smit",
                "  3      6.0    0.0     6.0   42.86   4  Visser - Mulder",
                "  4      2.0    6.0     8.0   57.14   3  Bos - Peters",
                "  5      3.0    2.0     5.0   41.67   5  Dekker - Kok",
                "  6      5.0    2.0     7.0   58.33   2  Meijer - de Boer"});
    EXPECT_EQ(lines[11], std::string(75, '-'));
    // The heading stands between bold markers; the group is one block.
    EXPECT_EQ(d.lines()[0].kind, ReportLineKind::BeginBlock);
    EXPECT_EQ(d.lines()[1].kind, ReportLineKind::BoldOn);
    EXPECT_EQ(d.lines()[3].kind, ReportLineKind::BoldOff);
    // The list never changes the scores it reads.
    EXPECT_EQ(club.SessionScoreList[0].Records, SixPairClub().SessionScoreList[0].Records);
}

TEST(MatchPointTableReports, ButlerCountListHasNoPercentages) {
    // IMPs against the datum of each side: board 1 North-South 430, board 3 150, board 4 0;
    // a difference of 10 is 0 IMPs, 20 is 1, 50 is 2.
    Club club = SixPairClub(ModeButler);
    ScriptedDialogs dialogs;
    ReportContext context = CountListContext(club, dialogs);
    ReportDocument d;
    WriteReport(context, d);
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 2u + 2u + 6u + 1u);
    EXPECT_EQ(lines[0], "G r o e p : A    Zitting : 1");
    EXPECT_EQ(lines[2], "Pr.\\Sp  1- 2   3- 4  Totaal rang Naam");
    // Ranked by total, as the results rank IMPs: 4.0, 3.0, 0.0, 0.0, -3.0, -4.0.
    ExpectRows(
        lines, 4,
        {"  1      0.0    4.0     4.0   1  Jansen - de Vries",
         "  2      0.0   -4.0    -4.0   6  Bakker - Smit", "  3      1.0   -4.0    -3.0   5  Visser - Mulder",
         "  4     -1.0    4.0     3.0   2  Bos - Peters", "  5      0.0    0.0     0.0   3  Dekker - Kok",
         "  6      0.0    0.0     0.0   3  Meijer - de Boer"});
}

TEST(MatchPointTableReports, CountListFailures) {
    // Without a score block nothing is written.
    Club club = SixPairClub();
    club.SessionScoreList.clear();
    ScriptedDialogs dialogs;
    ReportContext context = CountListContext(club, dialogs);
    ReportDocument d;
    WriteReport(context, d);
    EXPECT_TRUE(context.cancelled);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Er zijn geen MatchPoints berekend"});

    // A group without points is left out with its box.
    club = SixPairClub();
    for (TCalcObj& r : club.SessionList[0].Rows)
        r.Points = 0;
    dialogs.messages.clear();
    ReportContext none = CountListContext(club, dialogs);
    WriteReport(none, d);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"U heeft nog geen punt ingevoerd voor groep: A"});

    // The first pair without scores: the box, then the question; "Nee" ends the report.
    club = SixPairClub();
    for (int b = 1; b <= 4; ++b)
        club.SessionScoreList[0].Records[static_cast<std::size_t>(ScoreRecordIndex(1, b, 1, 4, 6))] =
            TScoreObj{};
    test::StoreSessionMatchPoints(club);
    dialogs.messages.clear();
    dialogs.answerNo();
    ReportContext ask(club, dialogs, ReportKind::GroupCountList);
    d.clear();
    WriteReport(ask, d);
    ASSERT_EQ(dialogs.texts().size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], "Scores niet ingevuld of Zittafel Groep:  A1");
    EXPECT_EQ(dialogs.texts()[1], "Wilt u toch doorgaan ?");
    EXPECT_EQ(d.textLines().size(), 3u);
}

TEST(MatchPointTableReports, PercentagesAreOfTheTopsOfTheBoardsPlayed) {
    // Board 4, missed by table 3, has a top of 2; the others 4. Pairs 1 to 4 played all four
    // boards (14), pairs 5 and 6 the first three (12).
    Club club = SixPairClub();
    ScriptedDialogs dialogs;
    const SessionMatchPoints mp(club, dialogs);
    EXPECT_EQ(mp.top(1), 4);
    EXPECT_EQ(mp.boardTop(4, 1), 2);
    const int tops[] = {0, 14, 14, 14, 14, 12, 12};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(mp.pairTop(1, k), tops[k]) << k;
}

TEST(MatchPointTableReports, FrequencyOfTheScoresOfABoard) {
    Club club = SixPairClub();
    const auto lines = BoardReport(club, ReportKind::Frequencies, 1, 1);
    ASSERT_EQ(lines.size(), 3u + 3u + 3u + 1u + 1u);
    EXPECT_EQ(lines[3], "  Spel =   1");
    EXPECT_EQ(lines[4], "  NZ Score|Paar NZ|aantal| MP NZ | MP OW | OW Score|Paar OW| NZ Perc.| OW Perc.|");
    EXPECT_EQ(lines[5], std::string(70, '-'));
    // 450 first, then the two 420s in table order; top 4.
    ExpectRows(lines, 6,
               {"    450   |   3   |   1  |  4.0  |  0.0  |  -450   |   4   | 100.0%  |   0.0%  | ",
                "    420   |   1   |   2  |  1.0  |  3.0  |  -420   |   2   |  25.0%  |  75.0%  | ",
                "    420   |   5   |   2  |  1.0  |  3.0  |  -420   |   6   |  25.0%  |  75.0%  | ", "",
                "  Aantallen cumulatief"});

    // Scored "Topintegraal", all groups make one table under the session alone.
    club.CompetitionHead.CalcMethod = CalcTopIntegral;
    ScriptedDialogs dialogs;
    ReportContext together(club, dialogs, ReportKind::Frequencies);
    together.groups.SelLastItem = 1;
    ReportDocument all;
    WriteReport(together, all);
    ASSERT_EQ(all.textLines().size(), 11u);
    EXPECT_EQ(all.textLines()[0], "  Zitting : 1");
    EXPECT_EQ(all.textLines()[6], lines[6]);
}

TEST(MatchPointTableReports, ArbitralScoresFollowTheRealOnes) {
    Club club = SixPairClub();
    GiveArbitralScores(club);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::Frequencies);
    context.groups.SelLastItem = 1;
    ReportDocument d;
    WriteReport(context, d);
    const auto lines = d.textLines();
    ASSERT_GE(lines.size(), 10u);
    // 60 % of the top 4 is 2.4 match points.
    EXPECT_EQ(lines[8], "  Arbitrale scores");
    EXPECT_EQ(lines[9], "   A60%   |   5   |   1  |  2.4  |  1.6  |  A40%   |   6   |  60.0%  |  40.0%  | ");
}

TEST(MatchPointTableReports, FrequenciesOfAnImpFormShowEachSidesOwnImps) {
    // Butler, board 1: North-South 450 is 1 IMP over the datum 430, East-West -1 IMP (no
    // complement of a top); the 420s are 0 to both sides.
    Club club = SixPairClub(ModeButler);
    const auto lines = BoardReport(club, ReportKind::Frequencies, 1, 1);
    ASSERT_GE(lines.size(), 8u);
    // No top without percentages.
    EXPECT_EQ(lines[2], "  Spel =   1");
    EXPECT_EQ(lines[5].substr(0, 60), "    450   |   3   |   1  |  1.0  | -1.0  |  -450   |   4   |");
    EXPECT_EQ(lines[6].substr(0, 60), "    420   |   1   |   2  |  0.0  |  0.0  |  -420   |   2   |");
    EXPECT_EQ(lines[7].substr(0, 60), "    420   |   5   |   2  |  0.0  |  0.0  |  -420   |   6   |");
}

TEST(MatchPointTableReports, MatchPointsPerBoard) {
    Club club = SixPairClub();
    const auto lines = BoardReport(club, ReportKind::MatchPointsPerBoard, 1, 2);
    ASSERT_EQ(lines.size(), 3u + 2u * (4u + 3u + 1u));
    EXPECT_EQ(lines[3], "  Spel =   1");
    EXPECT_EQ(lines[4], "  Paar |     Score     | Tegen |  MP  |  MP  |");
    EXPECT_EQ(lines[5], "   Nr. |   NZ  |   OW  |   Nr. |  NZ  |  OW  |");
    EXPECT_EQ(lines[7], "     1 |   420 |       |     2 |  1.0 |  3.0 |");
    EXPECT_EQ(lines[8], "     3 |   450 |       |     4 |  4.0 |  0.0 |");
    EXPECT_EQ(lines[9], "     5 |   420 |       |     6 |  1.0 |  3.0 |");
    // A minus score is East-West's: under OW without its sign.
    EXPECT_EQ(lines[11], "  Spel =   2");
    EXPECT_EQ(lines[15], "     1 |       |   100 |     2 |  2.0 |  2.0 |");
}

TEST(MatchPointTableReports, APairThatDidNotPlayHasNoMatchPointsPerBoard) {
    // Pair 5 is absent on board 4 and the schedule seats it nowhere then (a table of an even
    // Mitchell that never gets the board): no opponent, and no match points for either side.
    Club club = SixPairClub();
    club.SessionScheduleList[0].Entries[6] = {3, 0, 0, '-'};
    TScoreObj& absent =
        club.SessionScoreList[0].Records[static_cast<std::size_t>(ScoreRecordIndex(1, 4, 5, 4, 6))];
    absent.Code = ScoreCode::Absent;
    test::StoreSessionMatchPoints(club);
    const auto lines = BoardReport(club, ReportKind::MatchPointsPerBoard, 4, 4);
    ASSERT_EQ(lines.size(), 3u + 4u + 3u + 1u);
    EXPECT_EQ(lines[7], "     1 |    50 |       |     2 |  2.0 |  0.0 |");
    EXPECT_EQ(lines[9], "     5 |     O |       |     0 |  0.0 |  0.0 |");
}

TEST(MatchPointTableReports, MatchPointsOfAPairPerSession) {
    Club club = SixPairClub();
    TCalcObj& row = club.SessionList[0].Rows[1];
    row.SessionRank = 2;
    row.CompetitionTotal = 50;
    row.CompetitionRank = 2;
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::MatchPointTotalsPerPair);
    context.groups.SelFirstItem = 1;
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 6u);
    EXPECT_EQ(lines[3], " Paar   1: Jansen - de Vries");
    EXPECT_EQ(lines[4], " Avond| Punten| Max.P.| Perc. | Corr. | Totaal  %  | Rang |Aant.Spel|");
    // Points whole without Neuberg; the maximum is the top 4 times 4 boards.
    EXPECT_EQ(lines[6], "    1 |      9|    16 |  50.00|   0.00|     50.00  |   2  |     4   |");
    EXPECT_EQ(lines[8], " Totaal      9     16   50.00      2");

    // A pair that does not exist, or did not play: the message and nothing shown.
    context.groups.SelFirstItem = 7;
    d.clear();
    WriteReport(context, d);
    EXPECT_TRUE(context.cancelled);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(dialogs.texts().back(), "Dit paar bestaat niet:  A7");
    for (int b = 1; b <= 4; ++b)
        club.SessionScoreList[0].Records[static_cast<std::size_t>(ScoreRecordIndex(1, b, 2, 4, 6))] =
            TScoreObj{};
    test::StoreSessionMatchPoints(club);
    ReportContext idle(club, dialogs, ReportKind::MatchPointsPerPair);
    idle.groups.SelFirstItem = 2;
    WriteReport(idle, d);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(dialogs.texts().back(), "Dit paar heeft niet gespeeld A2");
}

TEST(MatchPointTableReports, ScoresAndMatchPointsOfAPair) {
    Club club = SixPairClub();
    ScriptedDialogs dialogs;
    dialogs.answerNo(); // not as HTML
    ReportContext context(club, dialogs, ReportKind::MatchPointsPerPair);
    context.groups.SelFirstItem = 1;
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Tonen als HTML bestand ?"});
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 2u + 2u * 5u + 2u);
    EXPECT_EQ(lines[3], " Paar   1: Jansen - de Vries");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], " Ronde  1 tegen paar  2: Bakker - Smit");
    EXPECT_EQ(lines[6], " Spel |Richtng| Score |  M.P. | Totaal| Procenten|");
    EXPECT_EQ(lines[8], "    1 |  NZ   |   420 |  1.0  |");
    // After the board group: the running total and percentage, 3.0 over top 4 and 2 boards.
    EXPECT_EQ(lines[9], "    2 |  NZ   |  -100 |  2.0  |   3.0 |      37.5%");
    // 9.0 over the tops 4 + 4 + 4 + 2 of the boards played.
    EXPECT_EQ(lines[14], "    4 |  NZ   |    50 |  2.0  |   9.0 |      64.3%");
    EXPECT_EQ(lines[16], "Totaal Punten Procenten  :   9.0      64.3%");
}

// The per-pair pages of the six pairs through the result window: written where the save dialog
// says, the window shows nothing.
struct PagesRun {
    test::TempFolder folder{"pages-run"};
    Club club = SixPairClub();
    ScriptedDialogs dialogs;
    test::FixedSelections selections;
    test::RecordingOpener opener;
    ReportRun run{club, dialogs, selections};

    PagesRun() {
        club.ClubFilePath = folder.file("club_1.dba");
        club.CurrentSession = 1;
        test::StoreSessionMatchPoints(club);
        selections.groups.SelFirstGroup = 1;
        selections.groups.SelLastGroup = 1;
        run.setWorkFolder(folder.path() / "data");
        run.setDocumentOpener(&opener);
    }
    std::string page(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

// Rows of pair 1's page (the page's own cell texts) with the match points worked out above: 1.0 and
// 2.0 in round 1, running 3.0 = 37.50 % of top 4 over 2 boards; the total 9.0 after board 4, of the
// tops 4 + 4 + 4 + 2 (64.29 %).
const char* const kPair1Board1 =
    "<TR><TD ALIGN=\"RIGHT\" width=\"78\">1</TD><TD ALIGN=\"CENTER\" width=\"86\">NZ</TD>"
    "<TD ALIGN=\"RIGHT\"  width=\"85\">420</TD><TD ALIGN=\"RIGHT\"  width=\"45\">1.0</TD>"
    "<TD width=\"206\"></TD> </TR>";
const char* const kPair1Board2 =
    "<TD ALIGN=\"RIGHT\"  width=\"85\">-100</TD><TD ALIGN=\"RIGHT\"  width=\"45\">2.0</TD>"
    "<TD width=\"206\">3.0&nbsp;&nbsp;&nbsp&nbsp;&nbsp;&nbsp;37.50 % </TD></TR>";
const char* const kPair1Board4 =
    "<TD ALIGN=\"RIGHT\"  width=\"85\">50</TD><TD ALIGN=\"RIGHT\"  width=\"45\">2.0</TD>"
    "<TD width=\"206\">9.0&nbsp;&nbsp;&nbsp&nbsp;&nbsp;&nbsp;64.29 % </TD></TR>";

TEST(MatchPointTableReports, AllPairsPagesGoToTheChosenFolder) {
    PagesRun p;
    EXPECT_TRUE(HasReportWriter(ReportKind::AllPairsPages));
    const std::filesystem::path web = p.folder.path() / "web";
    std::filesystem::create_directories(web);
    p.dialogs.files.push_back((web / "MPPaarA1.htm").string());
    ASSERT_EQ(p.run.open(ReportKind::AllPairsPages), ReportOutcome::Delivered);
    EXPECT_TRUE(p.run.deliveredWhole());
    ASSERT_EQ(p.dialogs.fileChoices.size(), 1u);
    EXPECT_EQ(p.dialogs.fileChoices[0].title, "Velk bestand");
    EXPECT_EQ(p.dialogs.fileChoices[0].filter, "MPPaar bestand (*.htm)|*.HTM");
    EXPECT_EQ(p.dialogs.fileChoices[0].defaultExtension, "htm");
    EXPECT_EQ(p.dialogs.fileChoices[0].initialPath, p.folder.file("MPPaarA1.htm"));
    EXPECT_EQ(p.dialogs.texts(), std::vector<std::string>{"Bewaren Matchpunten is gelukt voor alle paren van "
                                                          "Groep : At/mA\r tevens Paarnamen.htm bewaard"});
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(web))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"MPPaarA1.htm", "MPPaarA2.htm", "MPPaarA3.htm", "MPPaarA4.htm",
                                               "MPPaarA5.htm", "MPPaarA6.htm", "ParenNamen.htm"}));
    const std::string page = p.page((web / "MPPaarA1.htm").string());
    EXPECT_NE(page.find(kPair1Board1), std::string::npos);
    EXPECT_NE(page.find(kPair1Board2), std::string::npos);
    EXPECT_NE(page.find(kPair1Board4), std::string::npos);
    // The window shows nothing and its work file is not made for this report.
    EXPECT_TRUE(p.run.document().empty());
    EXPECT_FALSE(std::filesystem::exists(p.run.workFile()));
}

TEST(MatchPointTableReports, AllPairsPagesOfAGroupWithoutResultsOrACancelledChoice) {
    {
        PagesRun p;
        p.dialogs.files.push_back(std::nullopt);
        ASSERT_EQ(p.run.open(ReportKind::AllPairsPages), ReportOutcome::Delivered);
        EXPECT_FALSE(p.run.deliveredWhole());
        EXPECT_TRUE(p.dialogs.messages.empty());
        // Beside the stored match points no page was written.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(p.folder.path()), {}), 1);
        EXPECT_FALSE(std::filesystem::exists(p.folder.file("MPPaarA1.htm")));
    }
    // Points of the group gone (a session row 0 is not computed): said, and no folder asked.
    PagesRun p;
    for (TCalcObj& row : p.club.SessionList[0].Rows)
        row.Points = 0;
    p.club.SessionList[0].Rows[1].SessionRank = 1;
    ASSERT_EQ(p.run.open(ReportKind::AllPairsPages), ReportOutcome::Delivered);
    EXPECT_FALSE(p.run.deliveredWhole());
    EXPECT_TRUE(p.dialogs.fileChoices.empty());
    EXPECT_EQ(p.dialogs.texts(), std::vector<std::string>{"U heeft nog geen punt ingevoerd voor groep: A"});
}

// With contracts the page is wider and shows the contract, from the declarer's record on both
// pages of the table, with its suit in red.
TEST(MatchPointTableReports, AllPairsPagesWithContracts) {
    PagesRun p;
    p.club.CompetitionHead.ConfigFlags |= ConfigFlag::UseContracts;
    TScoreObj& declarer =
        p.club.SessionScoreList[0].Records[static_cast<std::size_t>(ScoreRecordIndex(1, 1, 1, 4, 6))];
    declarer.Contract.set("4H");
    declarer.Result.set("=");
    p.dialogs.files.push_back(p.folder.file("MPPaarA1.htm"));
    ASSERT_EQ(p.run.open(ReportKind::AllPairsPages), ReportOutcome::Delivered);
    const std::string first = p.page(p.folder.file("MPPaarA1.htm"));
    for (const char* piece : {
             "<table border=\"0\" width=\"600\" height=\"94\" cellpadding=\"0\">",
             "<TABLE ID=\"table_1\" BORDER=\"1\" width=\"618\" CELLSPACING=\"0\" CELLPADDING=\"4\">"
             "<TR><TD COLSPAN=7><b> Paar 1: Jansen - de Vries</b></TD></TR>"
             "<TR><TD ALIGN=\"RIGHT\" width=\"78\">Ronde 1</TD><TD COLSPAN=6>  tegen paar 2: Bakker - "
             "Smit</TD></TR>"
             "<TR><TD ALIGN=\"RIGHT\"  width=\"78\">Spel</TD><TD ALIGN=\"CENTER\" width=\"86\">Richting</TD>"
             "<TD ALIGN=\"CENTER\" width=\"125\">Contract</TD><TD ALIGN=\"CENTER\" width=\"45\">Result</TD>"
             "<TD ALIGN=\"CENTER\" width=\"85\">Score</TD><TD ALIGN=\"RIGHT\" width=\"45\">M.P.</TD>"
             "<TD ALIGn=\"LEFT\" width=\"151\">Totaal&nbsp; | Percentage</TD></TR>"
             "<TR><TD ALIGN=\"RIGHT\" width=\"78\">1</TD><TD ALIGN=\"CENTER\" width=\"86\">NZ</TD>"
             "<TD ALIGN=\"CENTER\" width=\"125\">4<font color=\"#FF0000\">&hearts;</font></TD>"
             "<TD ALIGN=\"CENTER\" width=\"45\">=</TD><TD ALIGN=\"CENTER\" width=\"85\">420</TD>"
             "<TD ALIGN=\"RIGHT\"  width=\"45\">1.0</TD><TD width=\"151\"></TD> </TR>",
             "<TD width=\"151\">&nbsp;3.0&nbsp;&nbsp;&nbsp&nbsp;&nbsp;&nbsp;37.50 % </TD></TR>",
             "<TR><Td ALIGN=\"RIGHT\" width=\"78\">Totaal</Td><Td ALIGN=\"LEFT\"  COLSPAN=5>Punten "
             "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; Procenten  :</Td><TH ALIGN=\"LEFT\" width=\"300\">&nbsp;9.0"
             "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp50.00 % </TH></TR>",
         })
        EXPECT_NE(first.find(piece), std::string::npos) << piece;
    // East-West of the same table: the declarer's contract with its own score.
    const std::string second = p.page(p.folder.file("MPPaarA2.htm"));
    EXPECT_NE(
        second.find("<TD ALIGN=\"CENTER\" width=\"86\">OW</TD>"
                    "<TD ALIGN=\"CENTER\" width=\"125\">4<font color=\"#FF0000\">&hearts;</font></TD>"
                    "<TD ALIGN=\"CENTER\" width=\"45\">=</TD><TD ALIGN=\"CENTER\" width=\"85\">-420</TD>"
                    "<TD ALIGN=\"RIGHT\"  width=\"45\">3.0</TD>"),
        std::string::npos);
}

TEST(MatchPointTableReports, ThePairAsHtmlGoesToTheWordProcessor) {
    PagesRun p;
    p.selections.groups.SelFirstItem = 1;
    const std::string handed = (p.folder.path() / "data" / "MPPaarA1.htm").string();
    p.dialogs.answerYes(); // "Tonen als HTML bestand ?"
    p.dialogs.files.push_back(handed);
    ASSERT_EQ(p.run.open(ReportKind::MatchPointsPerPair), ReportOutcome::Delivered);
    EXPECT_TRUE(p.run.deliveredWhole());
    EXPECT_EQ(p.opener.calls, std::vector<std::string>{"writer " + handed});
    EXPECT_EQ(p.dialogs.fileChoices.at(0).initialPath, handed);
    EXPECT_EQ(p.dialogs.texts(), std::vector<std::string>{"Tonen als HTML bestand ?"});
    const std::string page = p.page(handed);
    EXPECT_NE(page.find(kPair1Board2), std::string::npos);
    EXPECT_TRUE(p.run.document().empty());

    // Neither Writer nor the desktop starts: said, and still nothing in the window.
    p.opener.writerStarts = p.opener.desktopOpens = false;
    p.dialogs.answerYes();
    p.dialogs.files.push_back(handed);
    ASSERT_EQ(p.run.open(ReportKind::MatchPointsPerPair), ReportOutcome::Delivered);
    EXPECT_FALSE(p.run.deliveredWhole());
    EXPECT_EQ(p.dialogs.texts().back(), "Opstarten van Word mislukt ");

    // The page chosen in the open dialog is not there.
    p.opener.calls.clear();
    p.dialogs.answerYes();
    p.dialogs.files.push_back(p.folder.file("weg.htm"));
    ASSERT_EQ(p.run.open(ReportKind::MatchPointsPerPair), ReportOutcome::Delivered);
    EXPECT_TRUE(p.opener.calls.empty());
    EXPECT_EQ(p.dialogs.texts().back(), "Bewerken in Word (Word2003?) mislukt");

    // Without a program to hand pages to, Ja lists the pair as text.
    p.run.setDocumentOpener(nullptr);
    p.dialogs.answerYes();
    ASSERT_EQ(p.run.open(ReportKind::MatchPointsPerPair), ReportOutcome::Shown);
    EXPECT_EQ(p.run.document().textLines().at(3), " Paar   1: Jansen - de Vries");
}

TEST(MatchPointTableReports, ScoreListsPerBoardGroupAndCollections) {
    Club club = SixPairClub();
    GiveArbitralScores(club);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::ScoresPerBoard);
    context.groups.SelFirstItem = 1;
    context.groups.SelLastItem = 4;
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 2u * 7u);
    EXPECT_EQ(lines[2], " G r o e p : A    Zitting : 1");
    EXPECT_EQ(lines[4], "        | S P E L L E N |  1   |  2   |");
    EXPECT_EQ(lines[5], " Paren  | tafel | ronde |  1   |  2   |");
    EXPECT_EQ(lines[7], "  1  2  |   1   |   1   |   420|  -100|");
    EXPECT_EQ(lines[9], "  5  6  |   3   |   1   |  A60%|  -100|");
    EXPECT_EQ(lines[11], "        | S P E L L E N |  3   |  4   |");
    EXPECT_EQ(lines[16], "  5  6  |   3   |   2   |   140|      |");

    ReportContext arbitral(club, dialogs, ReportKind::ArbitralScores);
    d.clear();
    WriteReport(arbitral, d);
    lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 4u);
    EXPECT_EQ(lines[4], "   Nr | tafel | ronde | spel  | NZ OW |NZ score OW |");
    EXPECT_EQ(lines[6], "   1  |   3   |   1   |   1   |  5  6|  A60%  A40%|");

    // Board 4 was not played at table 3: its two records are blank.
    ReportContext blank(club, dialogs, ReportKind::BlankScores);
    d.clear();
    WriteReport(blank, d);
    lines = d.textLines();
    ASSERT_EQ(lines.size(), 3u + 4u);
    EXPECT_EQ(lines[6], "   1  |   3   |   2   |   4   |  5  6|            |");
}

TEST(MatchPointTableReports, CountListInTwoLinesRanksEachLineApart) {
    // North-South (odd pairs): 64.29, 42.86, 41.67 %; East-West (even): 35.71, 57.14, 58.33 %.
    Club club = SixPairClub();
    club.SessionHead.TwoLines = 1;
    ScriptedDialogs dialogs;
    ReportContext context = CountListContext(club, dialogs);
    ReportDocument d;
    WriteReport(context, d);
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 12u);
    // The rank in width 3 on odd pairs, 5 on even ones.
    ExpectRows(lines, 5,
               {"  1      3.0    6.0     9.0   64.29  1  Jansen - de Vries",
                "  2      5.0    0.0     5.0   35.71    3  Bakker - Smit",
                "  3      6.0    0.0     6.0   42.86  2  Visser - Mulder",
                "  4      2.0    6.0     8.0   57.14    2  Bos - Peters",
                "  5      3.0    2.0     5.0   41.67  3  Dekker - Kok",
                "  6      5.0    2.0     7.0   58.33    1  Meijer - de Boer"});
}

// "Topintegraal": two groups of four pairs on two boards, compared as one field of top 6. North-
// South scores 400, 300 in group A and 200, 100 in group B on both boards, so A1 and B4 have 12
// of 12, A3 and B2 8, A4 and B1 4, A2 and B3 0.
Club TopIntegralClub() {
    Club club = test::MakeScheduleClub(2, 4, 2, 1, 1);
    club.CompetitionHead.CalcMethod = CalcTopIntegral;
    club.ConfigRecord.Head = club.CompetitionHead;
    club.CompetitionNumber = 1;
    club.PairList.push_back(MakeHeaderRecord(2026, club.ClubFileName, true));
    for (int p = 1; p <= 8; ++p)
        club.PairList.push_back(MakeNewPair(p, 4, 2, false));
    TZitCalcObj& s = club.SessionList[0];
    s.BoardCount = 2;
    s.BoardsPerRound = 2;
    s.BoardGroupCount = 1;
    s.Rows.assign(9, TCalcObj{});
    for (TCalcObj& r : s.Rows)
        r.Points = 1;
    club.SessionHead = s;
    test::ScoreListBuilder list(2, 4, 2, 1);
    for (int b = 1; b <= 2; ++b) {
        list.table(1, b, 1, 2, 400);
        list.table(1, b, 3, 4, 300);
        list.table(2, b, 1, 2, 200);
        list.table(2, b, 3, 4, 100);
    }
    AddStoredScores(club, list, 2);
    return club;
}

TEST(MatchPointTableReports, CountListUnderTopIntegraalRanksTheWholeField) {
    // As the results rank them: over both groups, equal shares sharing a place.
    Club club = TopIntegralClub();
    ScriptedDialogs dialogs;
    ReportContext context = CountListContext(club, dialogs);
    context.groups.SelLastGroup = 2;
    ReportDocument d;
    WriteReport(context, d);
    EXPECT_TRUE(dialogs.messages.empty());
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 2u * (3u + 2u + 4u + 1u));
    EXPECT_EQ(lines[2], "TopPnt per Spel =  6");
    const auto rank = [&lines](std::size_t i) { return lines[i].substr(0, 32); };
    EXPECT_EQ(rank(5), "  1     12.0    12.0  100.00   1");
    EXPECT_EQ(rank(6), "  2      0.0     0.0    0.00   7");
    EXPECT_EQ(rank(7), "  3      8.0     8.0   66.67   3");
    EXPECT_EQ(rank(8), "  4      4.0     4.0   33.33   5");
    EXPECT_EQ(lines[10], "G r o e p : B    Zitting : 1");
    EXPECT_EQ(rank(15), "  1      4.0     4.0   33.33   5");
    EXPECT_EQ(rank(16), "  2      8.0     8.0   66.67   3");
    EXPECT_EQ(rank(17), "  3      0.0     0.0    0.00   7");
    EXPECT_EQ(rank(18), "  4     12.0    12.0  100.00   1");
}

TEST(MatchPointTableReports, WithoutAScheduleTheTablesPairOffByTheirScores) {
    Club club = SixPairClub();
    club.SessionScheduleList.clear();
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::Frequencies);
    context.groups.SelLastItem = 1;
    ReportDocument d;
    WriteReport(context, d);
    const auto lines = d.textLines();
    ASSERT_EQ(lines.size(), 11u);
    // The two tables that scored 420 keep their own East-West pairs.
    EXPECT_EQ(lines[7].substr(0, 60), "    420   |   1   |   2  |  1.0  |  3.0  |  -420   |   2   |");
    EXPECT_EQ(lines[8].substr(0, 60), "    420   |   5   |   2  |  1.0  |  3.0  |  -420   |   6   |");
}

TEST(MatchPointTableReports, ScoreListsSurviveAHostileScheduleAndUnknownCodes) {
    Club club = SixPairClub();
    club.SessionScheduleList[0].Entries[1].NS = 999;
    club.SessionScoreList[0].Records[static_cast<std::size_t>(ScoreRecordIndex(1, 2, 3, 4, 6))].Code = 200;
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::ScoresPerBoard);
    context.groups.SelLastItem = 2;
    ReportDocument d;
    WriteReport(context, d);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scoreconversie mislukt "});
    const auto lines = d.textLines();
    // Table 1 of round 1 names a pair that is not in the group: it is left out.
    ASSERT_EQ(lines.size(), 3u + 6u);
    EXPECT_EQ(lines[7], "  3  4  |   2   |   1   |   450|     ?|");
}

TEST(MatchPointTableReports, ScoresPerPairAndTheMarkedCollections) {
    Club club = SixPairClub();
    auto& records = club.SessionScoreList[0].Records;
    const auto at = [&](int board, int row) -> TScoreObj& {
        return records[static_cast<std::size_t>(ScoreRecordIndex(1, board, row, 4, 6))];
    };
    // Board 1 is not vulnerable: 620 is a score of the vulnerable side only (its class is 12), and
    // 250 is possible but suspect either way (class 10). Board 2 of table 2 was turned.
    at(1, 1).Score = 620;
    at(1, 2).Score = -620;
    at(1, 3).Score = 250;
    at(1, 4).Score = -250;
    at(2, 3).Flags |= ScoreFlag::Turned;
    ScriptedDialogs dialogs;
    const auto list = [&](ReportKind kind) {
        ReportContext context(club, dialogs, kind);
        context.groups.SelFirstItem = 1;
        context.groups.SelLastItem = 1;
        ReportDocument d;
        WriteReport(context, d);
        return d.textLines();
    };
    auto lines = list(ReportKind::DeviatingVulnerability);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6], "   1  |   1   |   1   |   1   |  1  2|   620  -620|");
    lines = list(ReportKind::SuspectScores);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6], "   1  |   2   |   1   |   1   |  3  4|   250  -250|");
    lines = list(ReportKind::TurnedBoards);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6], "   1  |   2   |   1   |   2   |  3  4|  -100   100|");
    lines = list(ReportKind::ScoresPerPair);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], " Paar | spel  |     1     2     3     4     5     6     7     8     9    10 ");
    EXPECT_EQ(lines[5], std::string(70, '-'));
    EXPECT_EQ(lines[6], "    1 |    1  |   620  -100   200    50 ");
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace velk
