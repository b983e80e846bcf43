#include "reports/ScoreListsReport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"
#include "reports/SessionPositions.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreFormat.h"
#include "scoring/Vulnerability.h"

#include <algorithm>
#include <functional>

namespace velk {

namespace {

// One table of a round as the schedule has it, with the rows of its pairs within the group.
struct Seat {
    int round = 0;
    int table = 0; // session-wide
    int northSouth = 0;
    int eastWest = 0;
    std::uint8_t letter = kBlankLetter;
};

bool InGroup(const SessionMatchPoints& mp, int group, int row) {
    return row >= 1 && row <= mp.groupPairs(group);
}

// Every table of group g round by round; without a schedule the tables are found from the
// North-South records of the board group's first board.
std::vector<Seat> SeatsOf(const Club& club, const SessionMatchPoints& mp, int group) {
    const SessionPositions s(club, club.CurrentSession);
    const int base = (group - 1) * club.PairsPerGroup;
    std::vector<Seat> seats;
    for (int r = 1; s.hasSchedule() && r <= s.rounds(); ++r)
        for (int t = 1; t <= s.groupTables(group); ++t)
            // A pair outside the group has no records here, whatever the schedule file says.
            if (const auto e = s.entry(group, r, t);
                e && InGroup(mp, group, e->seats[0] - base) && InGroup(mp, group, e->seats[1] - base))
                seats.push_back({r, e->table, e->seats[0] - base, e->seats[1] - base, e->letter});
    if (!seats.empty())
        return seats;
    const int perRound = std::max<int>(club.SessionHead.BoardsPerRound, 1);
    for (int k = 1; k <= club.SessionHead.BoardGroupCount; ++k) {
        const int board = (k - 1) * perRound + 1;
        if (board > mp.boardCount())
            break;
        for (int row = 1; row <= mp.groupPairs(group); ++row) {
            const TScoreObj& r = mp.record(group, board, row);
            if (r.Direction == 0 && r.Code != 0)
                seats.push_back(
                    {0, 0, row, mp.opponentRow(group, board, row), static_cast<std::uint8_t>('A' + k - 1)});
        }
    }
    return seats;
}

// The boards (ordinals in the session) of a board group letter.
std::pair<int, int> BoardsOf(const Club& club, std::uint8_t letter, int boardCount) {
    if (letter < 'A' || letter > 'Z')
        return {1, 0};
    const int perRound = club.SessionHead.BoardsPerRound;
    const int first = (letter - 'A') * perRound + 1;
    return {first, std::min(first + perRound - 1, boardCount)};
}

// The highest code a score can carry ('S').
constexpr std::uint8_t kLastCode = ScoreCode::ZeroPercentage;

std::string ScoreText(const Club& club, const TScoreObj& r) {
    if (r.Code > kLastCode)
        return "?";
    return FormatScore(r, false, club.CompetitionHead.NeubergMode == NeubergOneDecimal);
}

// A record with a code no conversion knows is told once; its cell shows "?".
void ReportUnreadableScores(ReportContext& context, const SessionMatchPoints& mp, const GroupRange& groups) {
    for (int g = groups.first; g <= groups.last; ++g)
        for (int b = 1; b <= mp.boardCount(); ++b)
            for (int k = 1; k <= mp.groupPairs(g); ++k)
                if (mp.record(g, b, k).Code > kLastCode) {
                    context.dialogs.warning("Scoreconversie mislukt ");
                    return;
                }
}

void WriteBoardGroups(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group) {
    const Club& club = context.club;
    const std::string bar = context.style.bar();
    const std::vector<Seat> seats = SeatsOf(club, mp, group);
    const int firstBoard = std::max<int>(context.groups.SelFirstItem, 1);
    const int lastBoard = context.kind == ReportKind::ScoresPerBoardAllGroups
                              ? mp.boardCount()
                              : std::min<int>(context.groups.SelLastItem, mp.boardCount());
    for (int k = 1; k <= club.SessionHead.BoardGroupCount; ++k) {
        const auto letter = static_cast<std::uint8_t>('A' + k - 1);
        auto [first, last] = BoardsOf(club, letter, mp.boardCount());
        first = std::max(first, context.kind == ReportKind::ScoresPerBoardAllGroups ? 1 : firstBoard);
        last = std::min(last, lastBoard);
        if (first > last)
            continue;
        std::string numbers;
        for (int b = first; b <= last; ++b)
            numbers += IntField(mp.boardNumber(b), 3) + "   " + bar;
        sink.emptyLine();
        sink.line("        " + bar + " S P E L L E N " + bar + numbers);
        sink.line(" Paren  " + bar + " tafel " + bar + " ronde " + bar + numbers);
        sink.line(context.style.single(context.width));
        for (const Seat& seat : seats) {
            if (seat.letter != letter)
                continue;
            std::string line = IntField(seat.northSouth, 3) + IntField(seat.eastWest, 3) + "  " + bar +
                               IntField(seat.table, 4) + "   " + bar + IntField(seat.round, 4) + "   " + bar;
            for (int b = first; b <= last; ++b) {
                const TScoreObj& r = mp.record(group, b, seat.northSouth);
                const std::string contract = r.Contract.get();
                const bool doubled = contract.find('X') != std::string::npos;
                line += PadLeft((doubled ? "D" : "") + std::string(Trim(ScoreText(club, r))), 6) + bar;
            }
            sink.line(line);
        }
    }
}

void WritePairScores(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group) {
    const std::string bar = context.style.bar();
    std::string head = " Paar " + bar + " spel  " + bar + " ";
    for (int i = 1; i <= 10; ++i)
        head += IntField(i, 5) + " ";
    sink.emptyLine();
    sink.line(head);
    sink.line(context.style.single(context.width));
    const int last = std::min<int>(context.groups.SelLastItem, mp.groupPairs(group));
    for (int pair = std::max<int>(context.groups.SelFirstItem, 1); pair <= last; ++pair)
        for (int from = 1; from <= mp.boardCount(); from += 10) {
            std::string line =
                IntField(pair, 5) + " " + bar + IntField(mp.boardNumber(from), 5) + "  " + bar + " ";
            for (int b = from; b < from + 10 && b <= mp.boardCount(); ++b)
                line +=
                    PadLeft(std::string(Trim(ScoreText(context.club, mp.record(group, b, pair)))), 5) + " ";
            sink.line(line);
        }
}

// Which results a collection lists.
using Mark = std::function<bool(const TScoreObj& northSouth, int boardNumber)>;

Mark MarkOf(ReportKind kind, const ScoreTables& tables) {
    const auto fixed = [](const TScoreObj& r, int) {
        return r.Code == ScoreCode::Percentage || r.Code == ScoreCode::PercentageOnce ||
               r.Code == ScoreCode::Tenths || r.Code == ScoreCode::TenthsOnce ||
               r.Code == ScoreCode::TenthsI || r.Code == ScoreCode::TenthsIOnce ||
               r.Code == ScoreCode::MatchPointsOnce || r.Code == ScoreCode::MatchPoints;
    };
    // The class of a bridge score for the side that made it: {possible, normal} at its own
    // vulnerability and possible at the other.
    const auto classOf = [&tables](const TScoreObj& r, int board, bool& possible, bool& normal, bool& other) {
        if (r.Code != ScoreCode::Bridge || r.Score == 0 || !tables.ScoreClasses)
            return false;
        const int side = r.Score > 0 ? NorthSouth : EastWest;
        const std::uint8_t c = ScoreClassOf(*tables.ScoreClasses, r.Score);
        const bool vulnerable = IsVulnerable(board, side);
        possible = c & (vulnerable ? ScoreClass::PossibleVulnerable : ScoreClass::PossibleNotVulnerable);
        normal = c & (vulnerable ? ScoreClass::NormalVulnerable : ScoreClass::NormalNotVulnerable);
        other = c & (vulnerable ? ScoreClass::PossibleNotVulnerable : ScoreClass::PossibleVulnerable);
        return true;
    };
    switch (kind) {
    case ReportKind::ArbitralScores:
        return fixed;
    case ReportKind::BlankScores:
        return [](const TScoreObj& r, int) { return r.Code == ScoreCode::None; };
    case ReportKind::FragmentScores:
        return [](const TScoreObj& r, int) {
            return r.Code == ScoreCode::Fragment1 || r.Code == ScoreCode::Fragment2 ||
                   r.Code == ScoreCode::Fragment3;
        };
    case ReportKind::TurnedBoards:
        return [](const TScoreObj& r, int) { return (r.Flags & ScoreFlag::Turned) != 0; };
    case ReportKind::SuspectScores:
        return [classOf](const TScoreObj& r, int board) {
            bool possible = false, normal = false, other = false;
            return (r.Flags & ScoreFlag::Doubtful) != 0 ||
                   (classOf(r, board, possible, normal, other) && possible && !normal);
        };
    default:
        return [classOf](const TScoreObj& r, int board) {
            bool possible = false, normal = false, other = false;
            return classOf(r, board, possible, normal, other) && !possible && other;
        };
    }
}

void WriteCollection(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group,
                     const Mark& marked) {
    const Club& club = context.club;
    const std::string bar = context.style.bar();
    sink.emptyLine();
    sink.line("   Nr " + bar + " tafel " + bar + " ronde " + bar + " spel  " + bar + " NZ OW " + bar +
              "NZ score OW " + bar);
    sink.line(context.style.single(context.width));
    int number = 0;
    for (const Seat& seat : SeatsOf(club, mp, group)) {
        const auto [first, last] = BoardsOf(club, seat.letter, mp.boardCount());
        for (int b = first; b <= last; ++b) {
            const TScoreObj& ns = mp.record(group, b, seat.northSouth);
            if (!marked(ns, mp.boardNumber(b)))
                continue;
            const std::string ew =
                seat.eastWest > 0 ? std::string(Trim(ScoreText(club, mp.record(group, b, seat.eastWest))))
                                  : "";
            sink.line(IntField(++number, 4) + "  " + bar + IntField(seat.table, 4) + "   " + bar +
                      IntField(seat.round, 4) + "   " + bar + IntField(mp.boardNumber(b), 4) + "   " + bar +
                      IntField(seat.northSouth, 3) + IntField(seat.eastWest, 3) + bar +
                      PadLeft(std::string(Trim(ScoreText(club, ns))), 6) + " " + PadLeft(ew, 5) + bar);
        }
    }
}

} // namespace

void WriteScoreList(ReportContext& context, ReportSink& sink) {
    Club& club = context.club;
    context.width = ListWidth(context, 70);
    // The scores as they stand: these lists are for checking what was typed.
    const SessionMatchPoints mp(club, context.dialogs, SessionMatchPoints::Records::Entered);
    if (!mp.available()) {
        ShowError(context.dialogs, club.ErrorCode, "", ErrorMessage::NoScoreFile);
        context.cancelled = true;
        return;
    }
    GroupRange groups = ChosenGroups(context);
    if (context.kind == ReportKind::ScoresPerBoardAllGroups)
        groups = {1, std::min<int>(club.CompetitionHead.GroupCount, 16)};
    ScoreTables tables;
    if (context.kind == ReportKind::SuspectScores || context.kind == ReportKind::DeviatingVulnerability) {
        ErrorCode errorCode;
        tables = LoadScoreTables(DataFolder(), context.dialogs, errorCode, false);
    }
    const Mark marked = MarkOf(context.kind, tables);
    ReportUnreadableScores(context, mp, groups);
    WriteListHead(context, sink);
    for (int g = groups.first; g <= groups.last; ++g) {
        sink.beginBlock();
        sink.emptyLine();
        sink.line(" G r o e p : " + std::string(1, GroupLetter(g)) +
                  "    Zitting : " + std::to_string(club.CurrentSession));
        switch (context.kind) {
        case ReportKind::ScoresPerBoard:
        case ReportKind::ScoresPerBoardAllGroups:
            WriteBoardGroups(context, sink, mp, g);
            break;
        case ReportKind::ScoresPerPair:
            WritePairScores(context, sink, mp, g);
            break;
        default:
            WriteCollection(context, sink, mp, g, marked);
            break;
        }
        sink.endBlock();
    }
}

} // namespace velk
