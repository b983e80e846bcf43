#include "scoring/BoardOpponents.h"

#include "schedules/ScheduleLookup.h"

namespace velk {

namespace {
int RowOf(const Club& club, int group, int pair) {
    const int row = pair - (group - 1) * club.PairsPerGroup;
    return row >= 1 && row <= club.PairsPerGroup ? row : 0;
}
} // namespace

std::optional<BoardSeat> FindBoardSeat(const Club& club, int group, int board, int pairRow) {
    const std::uint8_t letter = BoardGroupOfBoard(club, board);
    if (letter == kBlankLetter || pairRow < 1 || pairRow > club.PairsPerGroup)
        return std::nullopt;
    const int pair = (group - 1) * club.PairsPerGroup + pairRow;
    for (const bool northSouth : {true, false}) {
        for (int r = 1; r <= club.SessionHead.RoundCount; ++r) {
            for (int t = 1; t <= club.TablesPerGroup; ++t) {
                const TSchemaObj* e = ScheduleEntry(club, group, r, t);
                if (e == nullptr || e->Letter != letter)
                    continue;
                const int own = northSouth ? e->NS : e->EW;
                const int other = northSouth ? e->EW : e->NS;
                if (own != pair)
                    continue;
                // A table against no one (a sit-out) is no opponent.
                const int opponent = RowOf(club, group, other);
                if (opponent == 0)
                    return std::nullopt;
                return BoardSeat{r, t, northSouth, opponent};
            }
        }
    }
    return std::nullopt;
}

int OpponentRow(const Club& club, int group, int board, int pairRow) {
    const auto seat = FindBoardSeat(club, group, board, pairRow);
    return seat ? seat->OpponentRow : 0;
}

namespace {
bool GroupHasSchedule(const Club& club, int group) {
    for (int r = 1; r <= club.SessionHead.RoundCount; ++r)
        for (int t = 1; t <= club.TablesPerGroup; ++t)
            if (const TSchemaObj* e = ScheduleEntry(club, group, r, t); e && (e->NS != 0 || e->EW != 0))
                return true;
    return false;
}
} // namespace

OpponentLookup ScheduleOpponents(const Club& club) {
    return [&club](int group, int board, int row) {
        if (!GroupHasSchedule(club, group))
            return BoardOpponent{};
        const auto seat = FindBoardSeat(club, group, board, row);
        return seat ? BoardOpponent{seat->OpponentRow, !seat->NorthSouth} : BoardOpponent{0, false};
    };
}

} // namespace velk
