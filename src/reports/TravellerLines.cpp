#include "reports/TravellerLines.h"

#include "core/TextHelpers.h"
#include "reports/UsebioExport.h"
#include "scoring/BoardOpponents.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreCode.h"

#include <cstdio>

namespace velk {

namespace {

bool Scored(const TScoreObj& r) {
    return r.Code != ScoreCode::None && r.Code != ScoreCode::Absent;
}

bool Adjusted(const TScoreObj& r) {
    return r.Code != ScoreCode::Normal && r.Code != ScoreCode::Bridge;
}

} // namespace

std::optional<int> ContractTricks(std::string_view contract, std::string_view result) {
    if (contract.empty() || contract[0] < '1' || contract[0] > '7')
        return std::nullopt;
    const int bid = contract[0] - '0' + 6;
    const std::string r(Trim(result));
    if (r.empty() || r == "C" || r == "=" || r == "0")
        return bid;
    int over = 0;
    if (std::sscanf(r.c_str(), "%d", &over) != 1)
        return std::nullopt;
    const int tricks = bid + over;
    if (tricks < 0 || tricks > 13)
        return std::nullopt;
    return tricks;
}

std::vector<TravellerLine> TravellerLines(const Club& club, const std::vector<TScoreObj>& scores,
                                          const std::vector<TMatchPObj>& matchPoints, int group, int board) {
    const auto slot = [&](int row) {
        return static_cast<std::size_t>(
            ScoreRecordIndex(group, board, row, club.SessionHead.BoardCount, club.PairsPerGroup));
    };
    const auto points = [&](int row) {
        return slot(row) < matchPoints.size() ? matchPoints[slot(row)].MatchPoints : kNoMatchPoints;
    };
    const auto pair = [&](int row) {
        return club.PairList[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row)].GrpNr;
    };
    std::vector<TravellerLine> lines;
    for (int k = 1; k <= club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)]; ++k) {
        const auto seat = FindBoardSeat(club, group, board, k);
        if (!seat || !seat->NorthSouth || seat->OpponentRow < 1)
            continue;
        if (slot(k) >= scores.size() || slot(seat->OpponentRow) >= scores.size())
            continue;
        const TScoreObj& ns = scores[slot(k)];
        const TScoreObj& ew = scores[slot(seat->OpponentRow)];
        if (!Scored(ns) && !Scored(ew))
            continue;
        TravellerLine line;
        line.northSouthPair = pair(k);
        line.northSouthRow = k;
        line.eastWestPair = pair(seat->OpponentRow);
        line.adjusted = Adjusted(ns);
        // The declarer's record holds the contract; the program keeps the side, not the seat.
        const TScoreObj& declarer = ns.Contract.get().empty() ? ew : ns;
        line.declarerNorthSouth = &declarer == &ns;
        if (!line.adjusted) {
            line.contract = UsebioContract(declarer.Contract.get());
            if (!line.contract.empty())
                line.tricks = ContractTricks(declarer.Contract.get(), declarer.Result.get());
            line.northSouthScore = ns.Score;
        }
        line.northSouthPoints = points(k);
        line.eastWestPoints = points(seat->OpponentRow);
        lines.push_back(line);
    }
    return lines;
}

} // namespace velk
