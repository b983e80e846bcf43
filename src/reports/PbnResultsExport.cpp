#include "reports/PbnResultsExport.h"

#include "core/records/ConfigRecord.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "hands/PbnHandRecord.h"
#include "hands/PbnTags.h"
#include "reports/TravellerLines.h"
#include "scoring/MatchPointRules.h"

#include <algorithm>
#include <cstdio>

namespace velk {

namespace {

std::string Tenths(int tenths) {
    if (tenths <= kNoMatchPoints)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

// PBN spells a pass "Pass"; the other contracts as the USEBIO notation has them ("4HX", "3NT").
std::string PbnContract(const TravellerLine& line) {
    if (line.adjusted || line.contract.empty())
        return "-";
    return line.contract == "PASS" ? "Pass" : line.contract;
}

std::string ScoreRow(const TravellerLine& line) {
    char text[128];
    const std::string contract = PbnContract(line);
    const std::string tricks = line.tricks && contract != "Pass" ? std::to_string(*line.tricks) : "-";
    const std::string score = line.adjusted ? "-" : std::to_string(line.northSouthScore);
    std::snprintf(text, sizeof text, "%2d %2d %-5s %2s %5s %5s %5s", line.northSouthPair, line.eastWestPair,
                  contract.c_str(), tricks.c_str(), score.c_str(), Tenths(line.northSouthPoints).c_str(),
                  Tenths(line.eastWestPoints).c_str());
    return text;
}

} // namespace

std::string PbnResultsDocument(const PbnResultsInput& in) {
    const Club& club = in.club;
    const bool imps = club.CompetitionHead.ScoringMode != ModePairs;
    const std::string points = imps ? "IMP" : "MP";
    const int first = FirstBoardOf(club.SessionHead);
    std::string text = "% PBN 2.1\r\n% EXPORT\r\n";
    for (int g = 1; g <= club.CompetitionHead.GroupCount; ++g)
        for (int b = 1; b <= club.SessionHead.BoardCount; ++b) {
            const int number = b + first - 1;
            text += "\r\n";
            if (const HandBoard* board = in.hands.find(number)) {
                text += PbnBoardTags(in.hands, *board);
            } else {
                text += PbnTagLine("Event", in.hands.event) + "\r\n";
                text += PbnTagLine("Board", std::to_string(number)) + "\r\n";
            }
            if (club.CompetitionHead.GroupCount > 1)
                text += PbnTagLine("Section", std::string(1, GroupLetter(g))) + "\r\n";
            text += PbnTagLine("Scoring", points) + "\r\n";
            text +=
                PbnTagLine("ScoreTable", "PairId_NS\\2R;PairId_EW\\2R;Contract\\5L;Result\\2R;Score_NS\\5R;" +
                                             points + "_NS\\5R;" + points + "_EW\\5R") +
                "\r\n";
            for (const TravellerLine& line : TravellerLines(club, in.scores, in.matchPoints, g, b))
                text += ScoreRow(line) + "\r\n";
        }
    return text;
}

} // namespace velk
