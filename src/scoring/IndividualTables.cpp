#include "scoring/IndividualTables.h"

#include "schedules/ScheduleLookup.h"

#include <algorithm>

namespace velk {

namespace {
int PlayerRowOf(const Club& club, int group, int player) {
    const int row = player - (group - 1) * club.PairsPerGroup;
    return row >= 1 && row <= club.PairsPerGroup ? row : 0;
}
} // namespace

int IndividualRowCount(const Club& club, int group) {
    if (group < 1 || group > 16)
        return 0;
    const int players = std::clamp<int>(club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)], 0,
                                        club.PairsPerGroup);
    return players / 2;
}

std::vector<IndividualTable> IndividualBoardTables(const Club& club, int group, int board) {
    std::vector<IndividualTable> out;
    const std::uint8_t letter = BoardGroupOfBoard(club, board);
    if (letter == kBlankLetter || board > club.SessionHead.BoardCount)
        return out;
    const int rows = IndividualRowCount(club, group);
    for (int r = 1; r <= club.SessionHead.RoundCount; ++r)
        for (int t = 1; t <= club.TablesPerGroup; ++t) {
            const TSchemaObj1* e = PlayerScheduleEntry(club, group, r, t);
            if (e == nullptr || e->Letter != letter)
                continue;
            IndividualTable table{r, t, {}, 0, 0};
            const int seats[4] = {e->N, e->Z, e->O, e->W};
            bool anyone = false;
            for (std::size_t s = 0; s < 4; ++s) {
                table.Players[s] = PlayerRowOf(club, group, seats[s]);
                anyone = anyone || table.Players[s] != 0;
            }
            if (!anyone)
                continue;
            const int k = static_cast<int>(out.size()) + 1;
            // A schedule that lets more tables play a board than the rows hold loses the rest.
            if (2 * k > rows)
                return out;
            table.NorthSouthRow = 2 * k - 1;
            table.EastWestRow = 2 * k;
            out.push_back(table);
        }
    return out;
}

std::optional<PlayerSeat> FindPlayerSeat(const Club& club, int group, int board, int playerRow) {
    if (playerRow < 1)
        return std::nullopt;
    for (const IndividualTable& t : IndividualBoardTables(club, group, board))
        for (std::size_t s = 0; s < 4; ++s)
            if (t.Players[s] == playerRow) {
                const bool eastWest = s >= 2;
                return PlayerSeat{eastWest ? t.EastWestRow : t.NorthSouthRow,
                                  eastWest ? t.NorthSouthRow : t.EastWestRow, eastWest};
            }
    return std::nullopt;
}

} // namespace velk
