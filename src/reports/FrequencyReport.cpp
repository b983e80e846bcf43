#include "reports/FrequencyReport.h"

#include "core/TextHelpers.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreFormat.h"

#include <algorithm>
#include <vector>

namespace velk {

namespace {

// One table's result on a board, seen from North-South.
struct TableResult {
    int score = 0;
    std::uint8_t code = 0;
    std::string northSouthText;
    std::string eastWestText;
    int northSouth = 0;
    int eastWest = 0;
    int tenths = 0;         // North-South's match points
    int eastWestTenths = 0; // East-West's, as stored for the opponents
    int top = 0;
};

bool IsRealScore(std::uint8_t code) {
    return code == ScoreCode::Normal || code == ScoreCode::Bridge;
}
bool IsArbitral(std::uint8_t code) {
    return code == ScoreCode::Percentage || code == ScoreCode::PercentageOnce;
}

std::string Row(const TableResult& r, int count) {
    const auto pct = [&r](int tenths) { return r.top > 0 ? tenths / 10.0 / r.top * 100.0 : 0.0; };
    return " " + PadLeft(r.northSouthText, 6) + "   |" + IntField(r.northSouth, 4) + "   |" +
           IntField(count, 4) + "  |" + FixedField(r.tenths / 10.0, 5, 1) + "  |" +
           FixedField(r.eastWestTenths / 10.0, 5, 1) + "  |" + PadLeft(r.eastWestText, 6) + "   |" +
           IntField(r.eastWest, 4) + "   |" + FixedField(pct(r.tenths), 6, 1) + "%  |" +
           FixedField(pct(r.eastWestTenths), 6, 1) + "%  | ";
}

// The results in places by score, highest first; equal scores share a place, each on a row.
void WriteRanked(ReportSink& sink, std::vector<TableResult> results) {
    std::stable_sort(results.begin(), results.end(),
                     [](const TableResult& a, const TableResult& b) { return a.score > b.score; });
    for (const TableResult& r : results) {
        const auto count = std::count_if(results.begin(), results.end(), [&](const TableResult& o) {
            return o.score == r.score && o.code == r.code;
        });
        sink.line(Row(r, static_cast<int>(count)));
    }
}

void WriteBoard(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int firstGroup,
                int lastGroup, int board) {
    std::vector<TableResult> normal;
    std::vector<TableResult> arbitral;
    for (int g = firstGroup; g <= lastGroup; ++g)
        for (int k = 1; k <= mp.groupPairs(g); ++k) {
            const TScoreObj& ns = mp.record(g, board, k);
            if (ns.Direction != 0 || !(IsRealScore(ns.Code) || IsArbitral(ns.Code)))
                continue;
            const int opponent = mp.opponentRow(g, board, k);
            TableResult r;
            r.score = ns.Score;
            r.code = ns.Code;
            r.northSouthText = std::string(Trim(FormatScore(ns)));
            if (opponent > 0) {
                r.eastWestText = std::string(Trim(FormatScore(mp.record(g, board, opponent))));
            } else {
                TScoreObj complement = ns;
                complement.Score = static_cast<std::int16_t>(-ns.Score);
                r.eastWestText = std::string(Trim(FormatScore(complement)));
            }
            r.northSouth = k;
            r.eastWest = opponent;
            r.tenths = mp.tenths(g, board, k);
            r.top = mp.boardTop(board, g);
            // The opponents' own match points (IMPs are no complement of the top); without them
            // the complement.
            r.eastWestTenths = opponent > 0                     ? mp.tenths(g, board, opponent)
                               : ShowsPercentages(context.club) ? r.top * 10 - r.tenths
                                                                : -r.tenths;
            (IsRealScore(ns.Code) ? normal : arbitral).push_back(std::move(r));
        }
    sink.line("  Spel = " + IntField(mp.boardNumber(board), 3));
    sink.line("  NZ Score|Paar NZ|aantal| MP NZ | MP OW | OW Score|Paar OW| NZ Perc.| OW Perc.|");
    sink.line(context.style.single(context.width));
    WriteRanked(sink, std::move(normal));
    if (!arbitral.empty()) {
        sink.line("  Arbitrale scores");
        WriteRanked(sink, std::move(arbitral));
    }
    sink.emptyLine();
}

} // namespace

void WriteFrequencies(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 70);
    SessionMatchPoints mp(context.club, context.dialogs);
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return;
    }
    const bool together = mp.settings().TopIntegral;
    GroupRange groups = ChosenGroups(context);
    // "Topintegraal" compares every group with every other: one table of all of them.
    if (together)
        groups = {1, std::min(mp.settings().GroupCount, 16)};
    const int firstBoard = std::max<int>(context.groups.SelFirstItem, 1);
    const int lastBoard = std::min<int>(context.groups.SelLastItem, mp.boardCount());
    bool first = true;
    for (int g = groups.first; g <= groups.last; ++g) {
        const int last = together ? groups.last : g;
        bool results = false;
        for (int h = g; h <= last; ++h)
            results = mp.hasResults(h) || results;
        if (!results) {
            ReportNoResults(context, g);
            if (together)
                break;
            continue;
        }
        bool computed = true;
        for (int h = g; h <= last; ++h)
            computed = computed && mp.computed(h);
        if (!computed) {
            ReportNoMatchPoints(context);
            return;
        }
        sink.beginBlock();
        WriteMatchPointHeading(context, sink, mp, g, first, together);
        first = false;
        if (mp.top(g) < 1) {
            context.dialogs.warning("Geen scores");
        } else {
            for (int b = firstBoard; b <= lastBoard; ++b)
                WriteBoard(context, sink, mp, g, last, b);
        }
        sink.endBlock();
        if (together)
            break;
    }
    sink.line("  Aantallen cumulatief");
}

} // namespace velk
