#include "reports/ScheduleListsReport.h"

#include "core/TextHelpers.h"
#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionPositions.h"

#include <algorithm>

namespace velk {

namespace {

std::string Letter(int group) {
    return std::string(1, GroupLetter(group));
}

// A schedule that is not there ends the list, and the window shows nothing.
bool Missing(ReportContext& context) {
    ReportScheduleMissing(context.club, context.dialogs);
    context.cancelled = true;
    return false;
}

// The North-South and East-West cells of an entry, seven characters each: a pair, or the two
// players of the side in the individual form.
std::string SideCell(const SessionPositions& s, const ListEntry& e, bool northSouth) {
    if (!s.individual())
        return RightField(s.pairLabel(e.seats[northSouth ? 0 : 1]), 5) + "  ";
    const std::size_t first = northSouth ? 0 : 2;
    return RightField(s.pairLabel(e.seats[first]) + "-" + s.pairLabel(e.seats[first + 1]), 7);
}

std::string EntryCells(const SessionPositions& s, const ListEntry& e) {
    return SideCell(s, e, true) + SideCell(s, e, false) + " " + s.boardsText(e.letter);
}

void WriteStartPositions(ReportContext& context, ReportSink& sink, const SessionPositions& s) {
    const Club& club = context.club;
    const int last = std::min<int>(context.range.RangeLast, club.CompetitionHead.PairCount);
    int shownGroup = 0;
    for (int p = std::max<int>(context.range.RangeFirst, 1); p <= last; ++p) {
        if (!s.plays(p))
            continue;
        const std::optional<ListPosition> at = s.find(p, 1);
        if (!at) {
            Missing(context);
            return;
        }
        if (s.groupOf(p) != shownGroup) {
            shownGroup = s.groupOf(p);
            sink.emptyLine();
            sink.line(" Competitie: " + std::to_string(club.CompetitionNumber) +
                      "  Zitting: " + std::to_string(s.session()) +
                      "  SpeelDatum: " + s.record().SessionDate.get() + "  Groep: " + Letter(shownGroup));
            sink.line("   Nr " + TextField(" Naam", 29) + " tafel " + " NZ/OW " + " tegen " + "spellen" +
                      "Invllrs");
            sink.line(context.style.single(context.width));
        }
        const char* direction = !at->seated ? " XX " : at->northSouth ? " NZ " : " OW ";
        const std::string opponent = at->seated ? s.pairLabel(at->opponent) : " YY ";
        sink.line(IntField(s.numberInGroup(p), 5) + " " + TextField(" " + s.pairName(p), 29) +
                  PadLeft(at->seated ? s.tableText(at->table) : "", 5) + "  " + direction + "   " +
                  RightField(opponent, 5) + "  " + s.boardsText(at->seated ? at->letter : kBlankLetter));
    }
}

void WriteByRound(ReportContext& context, ReportSink& sink, const SessionPositions& s) {
    const int groups = std::min<int>(context.club.CompetitionHead.GroupCount, 16);
    const int last = std::min<int>(context.range.RangeLast, s.rounds());
    for (int r = std::max<int>(context.range.RangeFirst, 1); r <= last; ++r) {
        sink.emptyLine();
        sink.line(" R o n d e : " + std::to_string(r));
        sink.line(std::string(" tafel ") + "   NZ  " + "   OW  " + " spellen");
        sink.line(context.style.single(context.width));
        for (int g = 1; g <= groups; ++g)
            for (int t = 1; t <= s.groupTables(g); ++t) {
                const std::optional<ListEntry> e = s.entry(g, r, t);
                if (!e) {
                    Missing(context);
                    return;
                }
                sink.line(PadLeft(s.tableText(e->table), 5) + "  " + EntryCells(s, *e));
            }
    }
}

void WriteByTable(ReportContext& context, ReportSink& sink, const SessionPositions& s) {
    const Club& club = context.club;
    const int perGroup = club.TablesPerGroup;
    const int groups = std::min<int>(club.CompetitionHead.GroupCount, 16);
    const int last = std::min<int>(context.range.RangeLast, groups * perGroup);
    for (int table = std::max<int>(context.range.RangeFirst, 1); perGroup > 0 && table <= last; ++table) {
        const int g = (table - 1) / perGroup + 1;
        const int t = (table - 1) % perGroup + 1;
        if (t > s.groupTables(g))
            continue;
        sink.emptyLine();
        sink.line(" T A F E L: " + std::string(Trim(s.tableText(table))));
        sink.line(std::string(" ronde ") + "   NZ  " + "   OW  " + " spellen");
        sink.line(context.style.single(context.width));
        for (int r = 1; r <= s.rounds(); ++r) {
            const std::optional<ListEntry> e = s.entry(g, r, t);
            if (!e) {
                Missing(context);
                return;
            }
            sink.line(IntField(r, 5) + "  " + EntryCells(s, *e));
        }
    }
}

// One cell of eight characters per round: "NZ - OW" of pairs (two lines for players), then the
// boards on a line of their own.
void WriteCompleteSchedule(ReportContext& context, ReportSink& sink, const SessionPositions& s) {
    const int groups = std::min<int>(context.club.CompetitionHead.GroupCount, 16);
    const int last = std::min<int>(context.groups.SelLastGroup, groups);
    for (int g = std::max<int>(context.groups.SelFirstGroup, 1); g <= last; ++g) {
        sink.beginBlock();
        sink.emptyLine();
        sink.line(" G r o e p : " + Letter(g) + "    Zitting : " + std::to_string(s.session()) +
                  "    Schema : " + s.baseScheduleName(g));
        std::string rounds = "Tafel   ";
        std::string sides = "Spellen ";
        for (int r = 1; r <= s.rounds(); ++r) {
            rounds += " Ronde" + IntField(r, 2);
            sides += "NZ - OW ";
        }
        sink.line(rounds);
        sink.line(sides);
        sink.line(context.style.single(context.width));
        for (int t = 1; t <= s.groupTables(g); ++t) {
            std::string first;
            std::string second;
            std::string boards = "        ";
            for (int r = 1; r <= s.rounds(); ++r) {
                const std::optional<ListEntry> e = s.entry(g, r, t);
                if (!e) {
                    Missing(context);
                    return;
                }
                if (first.empty())
                    first = TextField(" " + std::string(Trim(s.tableText(e->table))), 8);
                const auto n = [&](std::size_t seat) { return IntField(s.numberInGroup(e->seats[seat]), 2); };
                if (s.individual()) {
                    first += n(0) + " & " + n(1) + " ";
                    second += n(2) + " & " + n(3) + " ";
                } else {
                    first += n(0) + " - " + n(1) + " ";
                }
                boards += " " + s.boardsText(e->letter) + "  ";
            }
            sink.line(first);
            if (s.individual())
                sink.line("        " + second);
            sink.line(boards);
        }
        sink.endBlock();
    }
}

} // namespace

void WriteScheduleList(ReportContext& context, ReportSink& sink) {
    const bool complete = context.kind == ReportKind::CompleteSchedule;
    const int session = complete ? context.club.CurrentSession : ListSession(context);
    const SessionPositions s(context.club, session);
    context.width = ListWidth(context, complete ? std::max(70, 8 + 8 * s.rounds()) : 70);
    if (!s.hasSchedule()) {
        Missing(context);
        return;
    }
    WriteListHead(context, sink);
    // The complete schedule makes a block of every group; the other lists are one block each.
    if (!complete)
        sink.beginBlock();
    switch (context.kind) {
    case ReportKind::StartPositions:
        WriteStartPositions(context, sink, s);
        break;
    case ReportKind::ScheduleByRound:
        WriteByRound(context, sink, s);
        break;
    case ReportKind::ScheduleByTable:
        WriteByTable(context, sink, s);
        break;
    default:
        WriteCompleteSchedule(context, sink, s);
        break;
    }
    if (!complete)
        sink.endBlock();
}

} // namespace velk
