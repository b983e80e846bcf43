#include "reports/MatchPointTablesReport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "reports/ListHead.h"
#include "reports/PairPagesHtml.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"
#include "reports/SessionPositions.h"
#include "scoring/ScoreFormat.h"

#include <algorithm>

namespace velk {

namespace {

std::string Letter(int group) {
    return std::string(1, GroupLetter(group));
}

// The pair chosen for kinds 32 and 33 must exist and have played; else its message and nothing
// is shown.
bool CheckChosenPair(ReportContext& context, const SessionMatchPoints& mp, int group, int pair) {
    const std::string subject = " " + Letter(group) + std::to_string(pair);
    if (pair < 1 || pair > mp.groupPairs(group)) {
        ShowError(context.dialogs, context.club.ErrorCode, subject, ErrorMessage::PairMissing);
        context.cancelled = true;
        return false;
    }
    if (!mp.hasScores(group, pair)) {
        ShowError(context.dialogs, context.club.ErrorCode, subject, ErrorMessage::PairDidNotPlay);
        context.cancelled = true;
        return false;
    }
    return true;
}

// The group and pair of kinds 32 and 33, checked; nothing (after the message) when there are no
// match points or the pair cannot be listed.
std::optional<std::pair<int, int>> ChosenPair(ReportContext& context, const SessionMatchPoints& mp) {
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return std::nullopt;
    }
    const int group = ChosenGroups(context).first;
    const int pair = context.groups.SelFirstItem;
    if (!CheckChosenPair(context, mp, group, pair))
        return std::nullopt;
    return std::pair{group, pair};
}

// A score's text as entered: a "=" or "?" entry that holds no score yet shows as "  ?".
std::string EnteredScore(const TScoreObj& r) {
    const std::string text = FormatScore(r);
    return text.empty() ? "  ?" : text;
}

// Match points in tenths as a percentage of the tops of the boards played.
double Percentage(long long tenths, long long tops) {
    return tops > 0 ? static_cast<double>(tenths) * 10.0 / static_cast<double>(tops) : 0.0;
}

void WritePairRound(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp,
                    const SessionPositions& s, int group, int pair, int round, long long& running,
                    long long& tops) {
    const Club& club = context.club;
    const bool contracts = (club.CompetitionHead.ConfigFlags & ConfigFlag::UseContracts) != 0;
    const bool percentages = ShowsPercentages(club);
    const char* bar = context.style.bar();
    const int competitionPair = (group - 1) * club.PairsPerGroup + pair;
    const std::optional<ListPosition> at = s.find(competitionPair, round);
    const int opponent = at && at->seated ? at->opponent : 0;
    sink.line(" Ronde" + IntField(round, 3) + " tegen paar" +
              IntField(opponent > 0 ? s.numberInGroup(opponent) : 0, 3) + ": " + s.pairName(opponent));
    std::string columns = contracts ? " Spel |Richtng|   Contract   | Reslt| Score |  M.P. | Totaal|"
                                    : " Spel |Richtng| Score |  M.P. | Totaal|";
    if (percentages)
        columns += club.CompetitionHead.ScoringMode == ModeIndividual ? " Percentage|" : " Procenten|";
    sink.line(columns);
    sink.line(context.style.single(context.width));
    if (!at || !at->seated || at->letter < 'A' || at->letter > 'Z')
        return;
    const int perRound = club.SessionHead.BoardsPerRound;
    const int first = (at->letter - 'A') * perRound + 1;
    const int last = std::min(first + perRound - 1, mp.boardCount());
    for (int b = first; b <= last; ++b) {
        const TScoreObj& r = mp.record(group, b, pair);
        const int tenths = mp.tenths(group, b, pair);
        running += tenths;
        if (mp.played(group, b, pair))
            tops += mp.boardTop(b, group);
        std::string line =
            IntField(mp.boardNumber(b), 5) + " " + bar + (at->northSouth ? "  NZ   " : "  OW   ") + bar;
        if (contracts)
            line += TextField(" " + r.Contract.get(), 14) + bar + RightField(r.Result.get(), 5) + " " + bar;
        line += RightField(EnteredScore(r), 6) + " " + bar + FixedField(tenths / 10.0, 5, 1) + "  " + bar;
        if (b == last) {
            line += FixedField(static_cast<double>(running) / 10.0, 6, 1) + " " + bar;
            if (percentages)
                line += FixedField(Percentage(running, tops), 10, 1) + "%";
        }
        sink.line(line);
    }
}

void WritePairScores(ReportContext& context, ReportSink& sink) {
    SessionMatchPoints mp(context.club, context.dialogs);
    const auto chosen = ChosenPair(context, mp);
    if (!chosen)
        return;
    const auto [group, pair] = *chosen;
    if (context.dialogs.askYesNo("Tonen als HTML bestand ?") && ShowPairPagesAsHtml(context, mp, group, pair))
        return;
    if (!mp.hasResults(group)) {
        ReportNoResults(context, group);
        return;
    }
    if (!mp.computed(group)) {
        ReportNoMatchPoints(context);
        return;
    }
    const SessionPositions s(context.club, context.club.CurrentSession);
    sink.beginBlock();
    WriteMatchPointHeading(context, sink, mp, group, true);
    sink.line(" Paar " + IntField(pair, 3) + ": " + mp.pairName(group, pair));
    sink.emptyLine();
    long long running = 0;
    long long tops = 0;
    for (int r = 1; r <= context.club.SessionHead.RoundCount; ++r)
        WritePairRound(context, sink, mp, s, group, pair, r, running, tops);
    sink.line(context.style.single(context.width));
    if (ShowsPercentages(context.club))
        sink.line("Totaal Punten Procenten  :" + FixedField(static_cast<double>(running) / 10.0, 6, 1) +
                  FixedField(Percentage(running, tops), 10, 1) + "%");
    else
        sink.line("Totaal Punten            :" + FixedField(static_cast<double>(running) / 10.0, 6, 1));
    sink.endBlock();
}

std::string Points(double points, bool whole) {
    return whole ? IntField(static_cast<long long>(points >= 0 ? points + 0.5 : points - 0.5), 6)
                 : FixedField(points, 6, 1);
}

void WritePairTotals(ReportContext& context, ReportSink& sink) {
    const Club& club = context.club;
    SessionMatchPoints mp(club, context.dialogs);
    const auto chosen = ChosenPair(context, mp);
    if (!chosen)
        return;
    const auto [group, pair] = *chosen;
    const bool percentages = ShowsPercentages(club);
    const bool whole = club.CompetitionHead.NeubergMode == NeubergOff;
    const std::string bar = context.style.bar();
    const int top = mp.top(group);
    sink.beginBlock();
    WriteMatchPointHeading(context, sink, mp, group, true);
    sink.line(" Paar " + IntField(pair, 3) + ": " + mp.pairName(group, pair));
    std::string columns = " Avond| Punten|";
    if (percentages)
        columns += " Max.P.| Perc. | Corr. | Totaal  %  |";
    columns += " Rang |Aant.Spel|";
    sink.line(columns);
    sink.line(context.style.single(context.width));
    const auto index = static_cast<std::size_t>((group - 1) * club.PairsPerGroup + pair);
    double points = 0;
    long long maximum = 0;
    const TCalcObj* last = nullptr;
    for (int z = 1; z <= std::min(club.CurrentSession, club.SessionCount()); ++z) {
        const TZitCalcObj& session = club.SessionList[static_cast<std::size_t>(z - 1)];
        if (index >= session.Rows.size())
            continue;
        const TCalcObj& r = session.Rows[index];
        last = &r;
        points += r.Points;
        maximum += static_cast<long long>(top) * session.BoardCount;
        std::string line = IntField(z, 5) + " " + bar + " " + Points(r.Points, whole) + bar + " ";
        if (percentages)
            line += IntField(static_cast<long long>(top) * session.BoardCount, 5) + " " + bar +
                    FixedField(r.Percentage, 7, 2) + bar + FixedField(r.Correction, 7, 2) + bar + "  " +
                    FixedField(r.Percentage + r.Correction, 8, 2) + "  " + bar + IntField(r.SessionRank, 4) +
                    "  " + bar + IntField(session.BoardCount, 6) + "   " + bar;
        else
            line += IntField(r.SessionRank, 4) + " " + bar + IntField(session.BoardCount, 6) + "    " + bar;
        sink.line(line);
    }
    sink.line(context.style.single(context.width));
    std::string total = " Totaal " + Points(points, whole);
    if (percentages && last)
        total += IntField(maximum, 7) + FixedField(last->CompetitionTotal, 8, 2) +
                 IntField(last->CompetitionRank, 7);
    sink.line(total);
    sink.endBlock();
}

void WriteBoardTables(ReportContext& context, ReportSink& sink) {
    SessionMatchPoints mp(context.club, context.dialogs);
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return;
    }
    const std::string bar = context.style.bar();
    const int firstBoard = std::max<int>(context.groups.SelFirstItem, 1);
    const int lastBoard = std::min<int>(context.groups.SelLastItem, mp.boardCount());
    ForEachListedGroup(context, sink, mp, [&](int g) {
        for (int b = firstBoard; b <= lastBoard; ++b) {
            sink.line("  Spel = " + IntField(mp.boardNumber(b), 3));
            sink.line("  Paar |     Score     | Tegen |  MP  |  MP  |");
            sink.line("   Nr. |   NZ  |   OW  |   Nr. |  NZ  |  OW  |");
            sink.line(context.style.single(context.width));
            for (int k = 1; k <= mp.groupPairs(g); ++k) {
                const TScoreObj& r = mp.record(g, b, k);
                if (r.Direction != 0 || r.Code == 0)
                    continue;
                const int opponent = mp.opponentRow(g, b, k);
                const int nz = mp.tenths(g, b, k);
                // Without an opponent the complement of a result; a pair that did not play has none.
                const int ow = opponent > 0                     ? mp.tenths(g, b, opponent)
                               : !mp.played(g, b, k)            ? 0
                               : ShowsPercentages(context.club) ? mp.boardTop(b, g) * 10 - nz
                                                                : -nz;
                std::string score = std::string(Trim(FormatScore(r)));
                const bool eastWest = !score.empty() && score[0] == '-';
                if (eastWest)
                    score.erase(0, 1);
                sink.line(IntField(k, 6) + " " + bar + RightField(eastWest ? "" : score, 6) + " " + bar +
                          RightField(eastWest ? score : "", 6) + " " + bar + IntField(opponent, 6) + " " +
                          bar + FixedField(nz / 10.0, 5, 1) + " " + bar + FixedField(ow / 10.0, 5, 1) + " " +
                          bar);
            }
            sink.emptyLine();
        }
        return true;
    });
}

} // namespace

void WriteMatchPointTable(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 70);
    switch (context.kind) {
    case ReportKind::MatchPointsPerPair:
        WritePairScores(context, sink);
        break;
    case ReportKind::MatchPointTotalsPerPair:
        WritePairTotals(context, sink);
        break;
    default:
        WriteBoardTables(context, sink);
        break;
    }
}

} // namespace velk
