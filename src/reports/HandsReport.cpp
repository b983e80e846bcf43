#include "reports/HandsReport.h"

#include "core/TextHelpers.h"
#include "hands/BoardHandsText.h"
#include "hands/SessionHandRecord.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "reports/SessionMatchPoints.h"
#include "reports/TravellerLines.h"
#include "scoring/MatchPointRules.h"

#include <algorithm>

namespace velk {

namespace {

// A contract as the exports hold it ("4HX", "3NT", "PASS") the way the lists show it: "4♥X", "3SA", "Pas".
std::string ShownContract(const TravellerLine& line) {
    if (line.adjusted)
        return "Arbitraal";
    if (line.contract == "PASS")
        return "Pas";
    std::string text;
    for (std::size_t i = 0; i < line.contract.size(); ++i) {
        const char c = line.contract[i];
        if (c == 'N' && i + 1 < line.contract.size() && line.contract[i + 1] == 'T') {
            text += "SA";
            ++i;
        } else if (i == 1 && c == 'S') {
            text += "♠";
        } else if (i == 1 && c == 'H') {
            text += "♥";
        } else if (i == 1 && c == 'D') {
            text += "♦";
        } else if (i == 1 && c == 'C') {
            text += "♣";
        } else {
            text += c;
        }
    }
    return text;
}

std::string PointsField(int tenths) {
    return tenths <= kNoMatchPoints ? PadLeft("-", 8) : FixedField(tenths / 10.0, 8, 1);
}

void WriteTraveller(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group,
                    int board) {
    const bool imps = !ShowsPercentages(context.club);
    const char* bar = context.style.bar();
    const std::string side = imps ? "  IMP " : " M.P. ";
    sink.line(std::string("  NZ  OW ") + bar + " Contract " + bar + " Slagen " + bar + " Score NZ " + bar +
              side + "NZ " + bar + side + "OW " + bar);
    const auto lines = TravellerLines(context.club, mp.scores(), mp.boardMatchPoints(), group, board);
    if (lines.empty())
        sink.line("  Niet gespeeld");
    for (const TravellerLine& t : lines) {
        const std::string tricks = t.tricks && t.contract != "PASS" ? std::to_string(*t.tricks) : "-";
        const std::string score = t.adjusted ? "-" : std::to_string(t.northSouthScore);
        sink.line(IntField(t.northSouthPair, 4) + IntField(t.eastWestPair, 4) + " " + bar + " " +
                  PadRight(ShownContract(t), 9) + bar + PadLeft(tricks, 7) + " " + bar + PadLeft(score, 9) +
                  " " + bar + PointsField(t.northSouthPoints) + " " + bar + PointsField(t.eastWestPoints) +
                  " " + bar);
    }
}

} // namespace

void WriteHandsReport(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 70);
    const Club& club = context.club;
    const SessionHandRecord hands = LoadSessionHands(club.ClubFilePath, club.CurrentSession, context.solver);
    if (!hands.hasBoards()) {
        context.dialogs.information(hands.problem);
        context.cancelled = true;
        return;
    }
    if (!hands.ok())
        context.warnings += hands.problem;
    SessionMatchPoints mp(club, context.dialogs);
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return;
    }
    const int firstBoard = std::max<int>(context.groups.SelFirstItem, 1);
    const int lastBoard = std::min<int>(context.groups.SelLastItem, mp.boardCount());
    ForEachListedGroup(context, sink, mp, [&](int group) {
        for (int b = firstBoard; b <= lastBoard; ++b) {
            const int number = mp.boardNumber(b);
            sink.line(context.style.single(context.width));
            if (const HandBoard* board = hands.record.find(number)) {
                sink.boldOn();
                const std::vector<std::string> lines = BoardHandsLines(*board);
                sink.line(lines.front());
                sink.boldOff();
                std::for_each(lines.begin() + 1, lines.end(), [&](const std::string& l) { sink.line(l); });
            } else {
                sink.line(BoardTitleLine(number) + "   (geen spelverdeling)");
            }
            sink.emptyLine();
            WriteTraveller(context, sink, mp, group, b);
            sink.emptyLine();
        }
        return true;
    });
}

} // namespace velk
