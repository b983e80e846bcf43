#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "reports/ReportDocument.h"
#include "reports/ReportWriters.h"
#include "reports/SessionPositions.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velk {
namespace {

using test::ScriptedDialogs;

// Five pairs of a group of six (pair 6 does not play) on two tables over five rounds; every round
// one pair sits out, pair 1 in round 4. Three boards a round, board group A in round 1, B in 2...
// Every pair meets every other pair once.
const int kRounds[5][2][2] = {
    {{1, 2}, {3, 4}}, {{5, 1}, {2, 3}}, {{4, 5}, {1, 3}}, {{2, 4}, {5, 3}}, {{1, 4}, {2, 5}},
};

const char* const kNames[] = {
    "", "Jansen - de Vries", "Bakker - Smit", "Visser - Mulder", "Bos - Peters", "Dekker - Kok", "Leeg"};

TZitSchemaObj FiveRoundSchedule(int session, bool onlyFirstRound = false) {
    TZitSchemaObj s;
    s.SessionNr = static_cast<std::int16_t>(session);
    s.RoundCount = 5;
    s.GroupCount = 1;
    s.Entries.assign(1 + 5 * 2, TSchemaObj{});
    s.BaseScheduleNames[0].set("5r-6p-test.ws0");
    for (int r = 0; r < 5; ++r)
        for (int t = 0; t < 2; ++t) {
            TSchemaObj& e = s.Entries[static_cast<std::size_t>(r * 2 + t + 1)];
            e.Table = static_cast<std::int16_t>(t + 1);
            if (onlyFirstRound && r > 0)
                continue;
            e.NS = static_cast<std::int16_t>(kRounds[r][t][0]);
            e.EW = static_cast<std::int16_t>(kRounds[r][t][1]);
            e.Letter = static_cast<std::uint8_t>('A' + r);
        }
    return s;
}

Club FiveRoundClub(int sessions = 1) {
    Club club = test::MakeScheduleClub(1, 6, 2, 5, sessions);
    club.ConfigRecord.Head = club.CompetitionHead;
    club.ConfigRecord.Head.CompetitionName.set("De Troef");
    club.CompetitionNumber = 1;
    club.PairList.push_back(MakeHeaderRecord(2026, club.ClubFileName, true));
    for (int p = 1; p <= 6; ++p) {
        TParenObj pair = MakeNewPair(p, 6, 1, false);
        pair.Naam.set(kNames[p]);
        club.PairList.push_back(pair);
    }
    for (TZitCalcObj& s : club.SessionList) {
        s.BoardsPerRound = 3;
        s.BoardCount = 15;
        s.BoardGroupCount = 5;
        s.GroupPairs[0] = 5;
        s.SessionDate.set("15-12-2026");
    }
    club.SessionHead = club.SessionList.front();
    club.TableLabelList.resize(3);
    club.TableLabelList[1].Label.set("1");
    club.TableLabelList[2].Label.set("2");
    for (int z = 1; z <= sessions; ++z)
        club.SessionScheduleList.push_back(FiveRoundSchedule(z, z == 2));
    return club;
}

std::vector<std::string> Lines(const ReportDocument& d) {
    return d.textLines();
}

// The text of report `kind` over the items first..last of its range.
std::vector<std::string> RangeReport(Club& club, ReportKind kind, int first, int last) {
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, kind);
    context.range.RangeFirst = first;
    context.range.RangeLast = last;
    ReportDocument d;
    WriteReport(context, d);
    return d.textLines();
}

TEST(ScheduleListReports, BoardsOfALetterAndOfABlankLetter) {
    const Club club = FiveRoundClub();
    const SessionPositions s(club, 1);
    // Board group C is the third: boards 2 x 3 + 1 = 7 up to 9.
    EXPECT_EQ(s.boardsText('C'), "07-09");
    EXPECT_EQ(s.boardsText('A'), "01-03");
    EXPECT_EQ(s.boardsText(' '), "XX-XX");
}

TEST(ScheduleListReports, GuideCardsTwoSideBySideWithASitOutRound) {
    Club club = FiveRoundClub();
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::GuideCards);
    context.range.RangeFirst = 1;
    context.range.RangeLast = 6;
    context.range.RangeSession = 1;
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    EXPECT_FALSE(context.cancelled);
    EXPECT_TRUE(context.landscape);
    EXPECT_EQ(context.width, 120);
    const auto lines = Lines(d);

    // Title line only (no "Print kop"), an empty line, then the first row of cards: pairs 1 and 2.
    ASSERT_GE(lines.size(), 2u + 7u);
    EXPECT_EQ(lines[0].substr(0, 23), "G I D S B R I E F J E S");
    EXPECT_EQ(lines[1], "");
    // " PAAR" (5), the number in 3, a blank, the name in 35, "   Zitting:" and the session in 2:
    // 57 characters, the first card padded to 60.
    const std::string head1 = " PAAR  1 Jansen - de Vries" + std::string(18, ' ') + "   Zitting: 1";
    const std::string head2 = " PAAR  2 Bakker - Smit" + std::string(22, ' ') + "   Zitting: 1";
    ASSERT_EQ(head1.size(), 57u);
    EXPECT_EQ(lines[2], head1 + "   " + head2);
    const std::string titles = " ronde tafel NZ/OW  tegen" + std::string(28, ' ') + "spellen";
    ASSERT_EQ(titles.size(), 60u);
    EXPECT_EQ(lines[3], titles + titles);

    // Round 1: pair 1 North-South at table 1 against pair 2 on boards 1-3; pair 2 East-West.
    // Round (4), two blanks, table right in 5, a blank, direction (4), two blanks, opponent in 32,
    // three blanks, boards.
    const std::string r1p1 = "   1      1  NZ     2 Bakker - Smit" + std::string(15, ' ') + "   01-03";
    const std::string r1p2 = "   1      1  OW     1 Jansen - de Vries" + std::string(11, ' ') + "   01-03";
    ASSERT_EQ(r1p1.size(), 58u);
    EXPECT_EQ(lines[4], r1p1 + "  " + r1p2);
    // Round 3: pair 1 North-South at table 2 against pair 3 on board group C, boards 7 to 9.
    EXPECT_EQ(lines[6].substr(0, 58),
              "   3      2  NZ     3 Visser - Mulder" + std::string(13, ' ') + "   07-09");
    // Round 4: pair 1 sits out.
    const std::string sitOut =
        "   4" + std::string(9, ' ') + "XX" + std::string(4, ' ') + "YY " + std::string(28, ' ') + "   XX-XX";
    EXPECT_EQ(lines[7].substr(0, 58), sitOut);
    // Pair 2 sits out round 3: its card's round 3 line.
    EXPECT_EQ(lines[6].substr(60), "   3" + sitOut.substr(4));

    // Three rows of cards (1-2, 3-4 and 5 alone), an empty line between rows; pair 6 does not play.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind(" PAAR", 0) == 0; }),
              3);
    ASSERT_EQ(lines.size(), 2u + 3u * 7u + 2u);
    EXPECT_EQ(lines[9], "");
    const std::string head5 = " PAAR  5 Dekker - Kok" + std::string(23, ' ') + "   Zitting: 1";
    EXPECT_EQ(lines[18], head5);
    EXPECT_EQ(lines[19], titles);
    EXPECT_TRUE(dialogs.messages.empty());
    // The cards keep their columns in an HTML page: one block after the head.
    EXPECT_EQ(d.lines()[4].kind, ReportLineKind::BeginBlock);
    EXPECT_EQ(d.lines().back().kind, ReportLineKind::EndBlock);
}

TEST(ScheduleListReports, GuideCardsOfPlayersNameThePartnerAndTheOpponents) {
    // Eight players on two tables in one round: N, Z, O, W = 1, 2, 3, 4 and 5, 6, 7, 8.
    Club club = test::MakeScheduleClub(1, 8, 2, 1, 1);
    club.PairList.push_back(MakeHeaderRecord(2026, club.ClubFileName, true));
    for (int p = 1; p <= 8; ++p)
        club.PairList.push_back(MakeNewPair(p, 8, 1, true));
    TZitSchemaObj s;
    s.Form = ScheduleForm::Individual;
    s.PlayerEntries.assign(3, TSchemaObj1{});
    s.PlayerEntries[1] = {1, 1, 2, 3, 4, 'A'};
    s.PlayerEntries[2] = {2, 5, 6, 7, 8, 'A'};
    club.SessionScheduleList.push_back(s);
    const auto lines = RangeReport(club, ReportKind::GuideCards, 1, 4);
    ASSERT_EQ(lines.size(), 2u + 3u + 1u + 3u);
    EXPECT_EQ(lines[2], " SPELER  1 Speler1" + std::string(28, ' ') + "   Zitting: 1 " +
                            " SPELER  2 Speler2" + std::string(28, ' ') + "   Zitting: 1");
    // Player 1 sits North: partner 2 (South), opponents 3 and 4.
    EXPECT_EQ(lines[4], "   1      1  NZ   met  2 tegen  3 en  4" + std::string(11, ' ') + "   01-04" + "  " +
                            "   1      1  NZ   met  1 tegen  3 en  4" + std::string(11, ' ') + "   01-04");
    // Player 3 sits East: partner 4, opponents 1 and 2.
    EXPECT_EQ(lines[8].substr(0, 58),
              "   1      1  OW   met  4 tegen  1 en  2" + std::string(11, ' ') + "   01-04");
}

TEST(ScheduleListReports, GuideCardsOnPaperAskForTheBlankLines) {
    Club club = FiveRoundClub();
    ScriptedDialogs dialogs;
    dialogs.inputs.push_back(std::string("2"));
    ReportContext context(club, dialogs, ReportKind::GuideCards);
    context.target = ReportTarget::Printer;
    context.range.RangeFirst = 1;
    context.range.RangeLast = 4;
    ReportDocument d;
    WriteReport(context, d);
    EXPECT_TRUE(dialogs.inputs.empty());
    const auto lines = Lines(d);
    // Two rows of cards of 7 lines with two empty lines between them.
    ASSERT_EQ(lines.size(), 2u + 7u + 2u + 7u);
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11].substr(0, 8), " PAAR  3");
}

TEST(ScheduleListReports, GuideCardsStartANewPageAfterSixRows) {
    // Fourteen playing pairs of one group give seven rows of cards: six on the first page.
    Club club = test::MakeScheduleClub(1, 14, 7, 3, 1);
    club.SessionHead.BoardsPerRound = 2;
    club.SessionHead.GroupPairs[0] = 14;
    club.PairList.assign(15, TParenObj{});
    TZitSchemaObj s;
    s.Entries.assign(1 + 3 * 7, TSchemaObj{});
    for (int i = 1; i <= 21; ++i) {
        const int t = (i - 1) % 7 + 1;
        s.Entries[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(t), static_cast<std::int16_t>(t),
                                                  static_cast<std::int16_t>(t + 7), 'A'};
    }
    club.SessionScheduleList.push_back(s);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::GuideCards);
    context.range.RangeFirst = 1;
    context.range.RangeLast = 14;
    ReportDocument d;
    WriteReport(context, d);
    const auto& entries = d.lines();
    const auto page = std::find_if(entries.begin(), entries.end(),
                                   [](const ReportLine& l) { return l.kind == ReportLineKind::NewPage; });
    ASSERT_NE(page, entries.end());
    const auto rowsBefore = std::count_if(entries.begin(), page, [](const ReportLine& l) {
        return l.kind == ReportLineKind::Text && l.text.rfind(" PAAR", 0) == 0;
    });
    // Six heading lines of two cards each.
    EXPECT_EQ(rowsBefore, 6);
    // The new page starts with the head again.
    EXPECT_EQ((page + 1)->kind, ReportLineKind::BoldOn);
}

TEST(ScheduleListReports, MeetingsOfTwoSessions) {
    Club club = FiveRoundClub(2);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::Meetings);
    context.groups.SelFirstGroup = 1;
    context.groups.SelLastGroup = 1;
    context.groups.SelFirstSession = 1;
    context.groups.SelLastSession = 2;
    ReportDocument d;
    ASSERT_TRUE(WriteReport(context, d));
    const auto lines = Lines(d);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].substr(0, 23), "O N T M O E T I N G E N");
    EXPECT_EQ(lines[2], " G r o e p : A    Zitting : 1-2");
    // Session 1: ten tables; session 2 only its first round.
    EXPECT_EQ(lines[3], "  Zit  1  Aantal:   10");
    EXPECT_EQ(lines[4], "  Zit  2  Aantal:    2");
    EXPECT_EQ(lines[5], " Paar  1  2  3  4  5  6");
    EXPECT_EQ(lines[6], std::string(23, '-'));
    // 1-2 and 3-4 met in both sessions; pair 6 never played.
    EXPECT_EQ(lines[7], "    1  -  2  1  1  1  0");
    EXPECT_EQ(lines[8], "    2  2  -  1  1  1  0");
    EXPECT_EQ(lines[9], "    3  1  1  -  2  1  0");
    EXPECT_EQ(lines[10], "    4  1  1  2  -  1  0");
    EXPECT_EQ(lines[11], "    5  1  1  1  1  -  0");
    EXPECT_EQ(lines[12], "    6  0  0  0  0  0  -");
    // Each group is a block of its own in an HTML page.
    EXPECT_EQ(d.lines()[3].kind, ReportLineKind::BeginBlock);
    EXPECT_EQ(d.lines().back().kind, ReportLineKind::EndBlock);
}

TEST(ScheduleListReports, NorthCountPerSession) {
    Club club = FiveRoundClub(2);
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::NorthSouthCount);
    context.groups.SelFirstSession = 1;
    context.groups.SelLastSession = 2;
    ReportDocument d;
    WriteReport(context, d);
    const auto lines = Lines(d);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], " Paar        1     2     3     4     5     6");
    // Session 1: pair 1 sits North-South in rounds 1, 3 and 5; session 2 has only round 1.
    EXPECT_EQ(lines[5], "Avond  1     3     3     1     1     2     0");
    EXPECT_EQ(lines[6], "Avond  2     1     0     1     0     0     0");
}

TEST(ScheduleListReports, ScheduleOfARoundAndOfATable) {
    Club club = FiveRoundClub();
    auto lines = RangeReport(club, ReportKind::ScheduleByRound, 3, 3);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], " R o n d e : 3");
    EXPECT_EQ(lines[3], " tafel    NZ     OW   spellen");
    EXPECT_EQ(lines[5], "    1      4      5   07-09");
    EXPECT_EQ(lines[6], "    2      1      3   07-09");

    lines = RangeReport(club, ReportKind::ScheduleByTable, 2, 2);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], " T A F E L: 2");
    EXPECT_EQ(lines[5], "    1      3      4   01-03");
    EXPECT_EQ(lines[9], "    5      2      5   13-15");
}

TEST(ScheduleListReports, StartPositionsAndTheCompleteSchedule) {
    Club club = FiveRoundClub();
    auto lines = RangeReport(club, ReportKind::StartPositions, 1, 6);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], " Competitie: 1  Zitting: 1  SpeelDatum: 15-12-2026  Groep: A");
    EXPECT_EQ(lines[3], "   Nr  Naam" + std::string(24, ' ') + " tafel  NZ/OW  tegen spellenInvllrs");
    EXPECT_EQ(lines[5], "    1  Jansen - de Vries" + std::string(11, ' ') + "    1   NZ" +
                            std::string(8, ' ') + "2  01-03");
    // Pair 5 sits out round 1.
    EXPECT_EQ(lines[9],
              "    5  Dekker - Kok" + std::string(16 + 8, ' ') + "XX" + std::string(6, ' ') + "YY   XX-XX");

    ScriptedDialogs dialogs;
    ReportContext complete(club, dialogs, ReportKind::CompleteSchedule);
    ReportDocument d;
    WriteReport(complete, d);
    lines = Lines(d);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(complete.width, 70);
    EXPECT_EQ(lines[2], " G r o e p : A    Zitting : 1    Schema : 5r-6p-test.ws0");
    EXPECT_EQ(lines[3], "Tafel    Ronde 1 Ronde 2 Ronde 3 Ronde 4 Ronde 5");
    EXPECT_EQ(lines[4], "Spellen NZ - OW NZ - OW NZ - OW NZ - OW NZ - OW ");
    EXPECT_EQ(lines[6], " 1       1 -  2  5 -  1  4 -  5  2 -  4  1 -  4 ");
    EXPECT_EQ(lines[7], "         01-03   04-06   07-09   10-12   13-15  ");
    EXPECT_EQ(lines[8], " 2       3 -  4  2 -  3  1 -  3  5 -  3  2 -  5 ");
}

TEST(ScheduleListReports, AMissingScheduleEndsTheList) {
    Club club = FiveRoundClub();
    club.SessionScheduleList.clear();
    club.ScheduleFilePath = "/tmp/club.sma";
    ScriptedDialogs dialogs;
    ReportContext context(club, dialogs, ReportKind::GuideCards);
    ReportDocument d;
    WriteReport(context, d);
    EXPECT_TRUE(context.cancelled);
    EXPECT_TRUE(d.empty());
    ASSERT_EQ(dialogs.texts().size(), 1u);
    EXPECT_EQ(dialogs.texts()[0], "Er is geen Schema beschikbaar :/tmp/club.sma");

    // A schedule too short for its rounds is no schedule either.
    club = FiveRoundClub();
    club.SessionScheduleList[0].Entries.resize(6);
    ReportContext byRound(club, dialogs, ReportKind::ScheduleByRound);
    byRound.range.RangeFirst = 1;
    byRound.range.RangeLast = 5;
    WriteReport(byRound, d);
    EXPECT_TRUE(byRound.cancelled);
}

} // namespace
} // namespace velk
