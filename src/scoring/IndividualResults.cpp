#include "scoring/IndividualResults.h"

#include "scoring/IndividualTables.h"
#include "scoring/ScoreCode.h"
#include "scoring/SessionResults.h"

#include <algorithm>

namespace velk {

void SumIndividualMatchPoints(Club& club, const MatchPointCalculation& calc, int group) {
    if (club.CurrentSession < 1 || club.CurrentSession > club.SessionCount() || !calc.fits() || group < 1 ||
        group > calc.settings().GroupCount)
        return;
    auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
    const int players = std::clamp<int>(club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)], 0,
                                        club.PairsPerGroup);
    const int boards = calc.settings().BoardCount;
    const auto& mp = calc.BoardMatchPoints();
    for (int k = 1; k <= players; ++k) {
        const auto at = static_cast<std::size_t>((group - 1) * club.PairsPerGroup + k);
        if (at >= rows.size())
            return;
        long long tenths = 0;
        int played = 0;
        for (int b = 1; b <= boards; ++b) {
            const auto seat = FindPlayerSeat(club, group, b, k);
            if (!seat)
                continue;
            const int code = calc.record(group, b, seat->Row).Code;
            if (code == ScoreCode::None || code == ScoreCode::Absent || code == ScoreCode::ZeroPercentage)
                continue;
            ++played;
            const int v = mp[static_cast<std::size_t>(calc.recordIndex(group, b, seat->Row))].MatchPoints;
            if (v != kNoMatchPoints)
                tenths += v;
        }
        TCalcObj& row = rows[at];
        row.Points = static_cast<float>(static_cast<double>(tenths) / 10.0);
        row.Substitutes = 0;
        row.Status = played == boards ? PairStatus::Normal
                     : played > 0     ? PairStatus::Incomplete
                                      : PairStatus::SitOutWithout;
        row.BoardsPlayed = static_cast<std::uint8_t>(played);
    }
}

} // namespace velk
