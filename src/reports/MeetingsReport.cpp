#include "reports/MeetingsReport.h"

#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionPositions.h"

#include <algorithm>
#include <vector>

namespace velk {

namespace {

struct SessionRange {
    int first = 1;
    int last = 0;
};

SessionRange ChosenSessions(const ReportContext& context) {
    const int count = context.club.SessionCount();
    return {std::max<int>(context.groups.SelFirstSession, 1),
            std::min<int>(context.groups.SelLastSession, count)};
}

// The pairs (or players) of a group that the lists count: its numbers 1..PairsPerGroup.
int GroupSize(const Club& club) {
    return std::max(club.PairsPerGroup, 0);
}

// Calls `visit` with every entry of group g in session s; false when the schedule is missing or
// does not reach a round.
template <typename Visit> bool ForEachEntry(const SessionPositions& s, int group, Visit visit) {
    if (!s.hasSchedule())
        return false;
    for (int r = 1; r <= s.rounds(); ++r)
        for (int t = 1; t <= s.groupTables(group); ++t) {
            const std::optional<ListEntry> e = s.entry(group, r, t);
            if (!e)
                return false;
            visit(*e);
        }
    return true;
}

bool Missing(ReportContext& context) {
    ReportScheduleMissing(context.club, context.dialogs);
    context.cancelled = true;
    return false;
}

std::string GroupHeading(int group, const SessionRange& sessions) {
    std::string text = " G r o e p : " + std::string(1, GroupLetter(group)) +
                       "    Zitting : " + std::to_string(sessions.first);
    if (sessions.last > sessions.first)
        text += "-" + std::to_string(sessions.last);
    return text;
}

// The meeting counts of group g over the chosen sessions: [p][q] for numbers within the group.
bool CountMeetings(ReportContext& context, int group, const SessionRange& sessions,
                   std::vector<std::vector<int>>& meetings, std::vector<int>& perSession) {
    const Club& club = context.club;
    const int size = GroupSize(club);
    const int base = (group - 1) * club.PairsPerGroup;
    meetings.assign(static_cast<std::size_t>(size + 1),
                    std::vector<int>(static_cast<std::size_t>(size + 1), 0));
    perSession.clear();
    for (int z = sessions.first; z <= sessions.last; ++z) {
        const SessionPositions s(club, z);
        int count = 0;
        const bool read = ForEachEntry(s, group, [&](const ListEntry& e) {
            const std::size_t seats = s.individual() ? 4 : 2;
            for (std::size_t a = 0; a < seats; ++a)
                for (std::size_t b = a + 1; b < seats; ++b) {
                    const int p = e.seats[a] - base;
                    const int q = e.seats[b] - base;
                    if (p < 1 || p > size || q < 1 || q > size || p == q)
                        continue;
                    ++meetings[static_cast<std::size_t>(p)][static_cast<std::size_t>(q)];
                    ++meetings[static_cast<std::size_t>(q)][static_cast<std::size_t>(p)];
                    ++count;
                }
        });
        if (!read)
            return Missing(context);
        perSession.push_back(count);
    }
    return true;
}

void WriteMeetings(ReportContext& context, ReportSink& sink, int firstGroup, int lastGroup,
                   const SessionRange& sessions) {
    const int size = GroupSize(context.club);
    std::vector<std::vector<int>> meetings;
    std::vector<int> perSession;
    for (int g = firstGroup; g <= lastGroup; ++g) {
        if (!CountMeetings(context, g, sessions, meetings, perSession))
            return;
        sink.beginBlock();
        sink.emptyLine();
        sink.line(GroupHeading(g, sessions));
        for (int z = sessions.first; z <= sessions.last; ++z)
            sink.line("  Zit " + IntField(z, 2) +
                      "  Aantal:" + IntField(perSession[static_cast<std::size_t>(z - sessions.first)], 5));
        if (size > 15 && context.target == ReportTarget::Screen)
            sink.line("  Voor paarnr`s hoger dan 15 gebruik Pijltoetsen: <-- , -->");
        std::string head = " Paar";
        for (int q = 1; q <= size; ++q)
            head += IntField(q, 3);
        sink.line(head);
        sink.line(context.style.single(5 + 3 * size));
        for (int p = 1; p <= size; ++p) {
            std::string row = IntField(p, 5);
            for (int q = 1; q <= size; ++q)
                row += p == q
                           ? "  -"
                           : IntField(meetings[static_cast<std::size_t>(p)][static_cast<std::size_t>(q)], 3);
            sink.line(row);
        }
        sink.endBlock();
    }
}

void WriteNorthSouthCounts(ReportContext& context, ReportSink& sink, int firstGroup, int lastGroup,
                           const SessionRange& sessions) {
    const Club& club = context.club;
    const int size = GroupSize(club);
    for (int g = firstGroup; g <= lastGroup; ++g) {
        const int base = (g - 1) * club.PairsPerGroup;
        std::vector<std::vector<int>> counts; // [session - first][number]
        bool individual = false;
        for (int z = sessions.first; z <= sessions.last; ++z) {
            const SessionPositions s(club, z);
            individual = s.individual();
            std::vector<int> row(static_cast<std::size_t>(size + 1), 0);
            const auto add = [&](int who) {
                if (who - base >= 1 && who - base <= size)
                    ++row[static_cast<std::size_t>(who - base)];
            };
            if (!ForEachEntry(s, g, [&](const ListEntry& e) {
                    add(e.seats[0]);
                    if (s.individual())
                        add(e.seats[1]);
                })) {
                Missing(context);
                return;
            }
            counts.push_back(std::move(row));
        }
        sink.beginBlock();
        sink.emptyLine();
        sink.line(GroupHeading(g, sessions));
        if (size > 13 && context.target == ReportTarget::Screen)
            sink.line("  Voor paarnr`s hoger dan 13 gebruik Scrollbar");
        std::string head = individual ? " Spelr  " : " Paar   ";
        for (int q = 1; q <= size; ++q)
            head += IntField(q, 6);
        sink.line(head);
        sink.line(context.style.single(8 + 6 * size));
        for (int z = sessions.first; z <= sessions.last; ++z) {
            std::string row = "Avond" + IntField(z, 3);
            for (int q = 1; q <= size; ++q)
                row += IntField(
                    counts[static_cast<std::size_t>(z - sessions.first)][static_cast<std::size_t>(q)], 6);
            sink.line(row);
        }
        sink.endBlock();
    }
}

} // namespace

void WriteMeetingsReport(ReportContext& context, ReportSink& sink) {
    const Club& club = context.club;
    const int size = GroupSize(club);
    const bool meetings = context.kind == ReportKind::Meetings;
    context.width = ListWidth(context, meetings ? std::max(70, 5 + 3 * size) : size > 12 ? 8 + 6 * size : 70);
    const SessionRange sessions = ChosenSessions(context);
    const int firstGroup = std::max<int>(context.groups.SelFirstGroup, 1);
    const int lastGroup = std::min<int>({context.groups.SelLastGroup, club.CompetitionHead.GroupCount, 16});
    if (sessions.last < sessions.first) {
        Missing(context);
        return;
    }
    WriteListHead(context, sink);
    if (meetings)
        WriteMeetings(context, sink, firstGroup, lastGroup, sessions);
    else
        WriteNorthSouthCounts(context, sink, firstGroup, lastGroup, sessions);
}

} // namespace velk
