#include "reports/PairBoardRows.h"

#include "core/records/FirstBoard.h"
#include "scoring/BoardOpponents.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreCode.h"

#include <algorithm>

namespace velk {

namespace {

int MatchPoints(const PairPagesInput& in, int group, int board, int row) {
    const std::size_t i = static_cast<std::size_t>(
        ScoreRecordIndex(group, board, row, in.club.SessionHead.BoardCount, in.club.PairsPerGroup));
    const int mp = i < in.matchPoints.size() ? in.matchPoints[i].MatchPoints : 0;
    return mp > kNoMatchPoints ? mp : 0;
}

// A board the pair played counts its top in the percentage; an absent or sit-out one does not.
bool CountsTop(const TScoreObj& r) {
    return r.Code != ScoreCode::None && r.Code != ScoreCode::Absent && r.Code != ScoreCode::ZeroPercentage;
}

int BoardTop(const PairPagesInput& in, int group, int board) {
    const auto i = static_cast<std::size_t>((group - 1) * in.club.SessionHead.BoardCount + board - 1);
    return i < in.boardTops.size() ? std::max(in.boardTops[i], 0) : 0;
}

} // namespace

const TScoreObj* PairBoardRecord(const PairPagesInput& in, int group, int board, int row) {
    const std::size_t i = static_cast<std::size_t>(
        ScoreRecordIndex(group, board, row, in.club.SessionHead.BoardCount, in.club.PairsPerGroup));
    return i < in.scores.size() ? &in.scores[i] : nullptr;
}

std::string PairBoardScore(const TScoreObj& r, std::string_view notPlayed) {
    if (r.Code == ScoreCode::None || r.Code == ScoreCode::Absent)
        return std::string(notPlayed);
    if (r.Code == ScoreCode::Normal || r.Code == ScoreCode::Bridge)
        return std::to_string(r.Score);
    return std::string(1, CodeLetter(r.Code)) + std::to_string(r.Score);
}

std::vector<PairBoardRow> PairBoardRows(const PairPagesInput& in, int group, int row) {
    const Club& club = in.club;
    const int firstNumber = FirstBoardOf(club.SessionHead);
    std::vector<PairBoardRow> rows;
    for (int b = 1; b <= club.SessionHead.BoardCount; ++b) {
        const auto seat = FindBoardSeat(club, group, b, row);
        const TScoreObj* own = PairBoardRecord(in, group, b, row);
        if (!seat || !own)
            continue;
        const TScoreObj* opponent = PairBoardRecord(in, group, b, seat->OpponentRow);
        rows.push_back({seat->Round, seat->OpponentRow, b, b + firstNumber - 1, seat->NorthSouth, own,
                        opponent ? opponent : own, MatchPoints(in, group, b, row), 0, 0, false});
    }
    // Round by round, as the pair played them; a round's boards in their own order.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PairBoardRow& x, const PairBoardRow& y) { return x.round < y.round; });
    long long tenths = 0;
    long long tops = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PairBoardRow& r = rows[i];
        tenths += r.matchPoints;
        if (CountsTop(*r.own))
            tops += BoardTop(in, group, r.board);
        r.runningTenths = tenths;
        r.runningPercentage = tops > 0 ? static_cast<double>(tenths) * 10.0 / static_cast<double>(tops) : 0;
        r.lastOfRound = i + 1 == rows.size() || rows[i + 1].round != r.round;
    }
    return rows;
}

} // namespace velk
