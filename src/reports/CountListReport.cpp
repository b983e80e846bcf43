#include "reports/CountListReport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velk {

namespace {

struct PairSums {
    std::vector<long long> boardGroups; // tenths per board group
    long long total = 0;                // tenths
    int top = 0;                        // the tops of the boards played
};

PairSums SumsOf(const SessionMatchPoints& mp, int group, int row, int boardGroups, int length) {
    PairSums sums;
    sums.boardGroups.assign(static_cast<std::size_t>(boardGroups), 0);
    for (int b = 1; b <= mp.boardCount(); ++b) {
        const int v = mp.tenths(group, b, row);
        sums.total += v;
        const int k = length > 0 ? (b - 1) / length : boardGroups;
        if (k < boardGroups)
            sums.boardGroups[static_cast<std::size_t>(k)] += v;
    }
    sums.top = mp.pairTop(group, row);
    return sums;
}

// A pair as the results rank it: its sums and its line in a two-line session (the lines alternate
// by the pair's row in the ranked range).
struct RankedPair {
    PairSums sums;
    int line = 0;
};

// The pairs the results rank a group's pairs among: the group, or under "Topintegraal" the field.
std::vector<RankedPair> RankedRange(const SessionMatchPoints& mp, int group, int boardGroups, int length) {
    const MatchPointSettings& s = mp.settings();
    std::vector<RankedPair> range;
    for (int h = s.firstGroupOfRange(group); h <= s.lastGroupOfRange(group); ++h) {
        const int offset = s.TopIntegral ? (h - 1) * s.PairsPerGroup : 0;
        for (int k = 1; k <= mp.groupPairs(h); ++k)
            range.push_back({SumsOf(mp, h, k, boardGroups, length), (offset + k - 1) % 2});
    }
    return range;
}

// 1 + the pairs (of the same line in a two-line session) ahead: with a larger share of their
// tops where match points are percentages (none without tops), else with a larger total.
int RankOf(const std::vector<RankedPair>& range, const RankedPair& pair, bool twoLines, bool percentages) {
    const auto share = [](const PairSums& s) {
        return s.top > 0 ? std::pair<long long, long long>{s.total, s.top}
                         : std::pair<long long, long long>{0, 1};
    };
    const auto [total, top] = share(pair.sums);
    int rank = 1;
    for (const RankedPair& other : range) {
        if (twoLines && other.line != pair.line)
            continue;
        const auto [otherTotal, otherTop] = share(other.sums);
        if (percentages ? otherTotal * top > total * otherTop : other.sums.total > pair.sums.total)
            ++rank;
    }
    return rank;
}

void WriteTable(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group) {
    const Club& club = context.club;
    const int boardGroups = std::max<int>(club.SessionHead.BoardGroupCount, 0);
    const int length = club.SessionHead.BoardsPerRound;
    const int first = FirstBoardOf(club.SessionHead);
    const bool percentages = ShowsPercentages(club);
    const bool printer = context.target == ReportTarget::Printer;
    const bool names = !(printer && context.width < 96);
    const bool twoLines = club.SessionHead.TwoLines != 0;

    std::string heading = "Pr.\\Sp";
    for (int k = 1; k <= boardGroups; ++k) {
        const int from = (k - 1) * length + first;
        heading += IntField(from, 3) + "-" + IntField(from + length - 1, 2) + " ";
    }
    heading += " Totaal";
    if (percentages)
        heading += " Procent";
    heading += " rang";
    if (names)
        heading += " Naam";
    const int separator = boardGroups * 7 + 29 + (names ? 32 : 0);
    sink.line(heading);
    sink.line(context.style.single(separator));

    const int pairs = mp.groupPairs(group);
    const std::vector<RankedPair> range = RankedRange(mp, group, boardGroups, length);
    // The group's pairs in the range: all of it, or its own part of the field.
    std::size_t own = 0;
    for (int h = mp.settings().firstGroupOfRange(group); h < group; ++h)
        own += static_cast<std::size_t>(mp.groupPairs(h));
    for (int k = 1; k <= pairs; ++k) {
        const RankedPair& pair = range[own + static_cast<std::size_t>(k - 1)];
        const PairSums& s = pair.sums;
        std::string row = IntField(k, 3) + "   ";
        for (const long long v : s.boardGroups)
            row += FixedField(static_cast<double>(v) / 10.0, 6, 1) + " ";
        row += FixedField(static_cast<double>(s.total) / 10.0, 7, 1);
        const int rank = RankOf(range, pair, twoLines, percentages);
        if (percentages) {
            const double pct = s.top > 0 ? static_cast<double>(s.total) * 10.0 / s.top : 0.0;
            row += FixedField(pct, 8, 2) + IntField(rank, twoLines ? (k % 2 == 1 ? 3 : 5) : 4);
        } else {
            row += IntField(rank, 4);
        }
        if (names) {
            std::string name = mp.pairName(group, k);
            if (printer && context.width > 95)
                name = Truncate(name, context.width - 75);
            row += "  " + name;
        }
        sink.line(row);
    }
    sink.line(context.style.single(separator));
}

} // namespace

void WriteCountList(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 101);
    SessionMatchPoints mp(context.club, context.dialogs);
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return;
    }
    ForEachListedGroup(context, sink, mp, [&](int g) {
        if (!mp.hasScores(g, 1)) {
            std::string subject(1, GroupLetter(g));
            if (context.kind == ReportKind::GroupCountList)
                subject = " " + subject + "1";
            ShowError(context.dialogs, context.club.ErrorCode, subject, ErrorMessage::ScoresIncomplete);
            if (!context.dialogs.askYesNo("Wilt u toch doorgaan ?"))
                return false;
        }
        WriteTable(context, sink, mp, g);
        return true;
    });
}

} // namespace velk
