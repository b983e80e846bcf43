#include "reports/CountListReport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"

#include <algorithm>
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

// 1 + the pairs (of the same line in a two-line session) ahead: with a larger share of their
// tops where match points are percentages, else with a larger total, as the results rank them.
int RankOf(const std::vector<PairSums>& sums, std::size_t i, bool twoLines, bool percentages) {
    int rank = 1;
    for (std::size_t j = 1; j < sums.size(); ++j) {
        if (j == i || (twoLines && j % 2 != i % 2))
            continue;
        const bool ahead = percentages ? sums[j].total * sums[i].top > sums[i].total * sums[j].top
                                       : sums[j].total > sums[i].total;
        if (ahead)
            ++rank;
    }
    return rank;
}

void WriteTable(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group) {
    const Club& club = context.club;
    const int boardGroups = std::max<int>(club.SessionHead.BoardGroupCount, 0);
    const int length = club.SessionHead.BoardsPerRound;
    const int first = club.SessionHead.FirstBoardNumber > 0 ? club.SessionHead.FirstBoardNumber : 1;
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
    std::vector<PairSums> sums(static_cast<std::size_t>(pairs + 1));
    for (int k = 1; k <= pairs; ++k)
        sums[static_cast<std::size_t>(k)] = SumsOf(mp, group, k, boardGroups, length);
    for (int k = 1; k <= pairs; ++k) {
        const PairSums& s = sums[static_cast<std::size_t>(k)];
        std::string row = IntField(k, 3) + "   ";
        for (const long long v : s.boardGroups)
            row += FixedField(static_cast<double>(v) / 10.0, 6, 1) + " ";
        row += FixedField(static_cast<double>(s.total) / 10.0, 7, 1);
        // Only where match points are percentages does a pair without any rank last.
        const bool none = percentages && s.total == 0;
        const int rank = none ? pairs : RankOf(sums, static_cast<std::size_t>(k), twoLines, percentages);
        if (percentages) {
            double pct = 0;
            if (!none && s.top > 0)
                pct = static_cast<double>(s.total) * 10.0 / s.top;
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
