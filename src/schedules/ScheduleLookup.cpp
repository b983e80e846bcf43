#include "schedules/ScheduleLookup.h"

namespace velk {

int ScheduleIndex(const Club& club, int round, int group) {
    if (club.CurrentSession == 0)
        return 0;
    return ((group - 1) * club.SessionHead.RoundCount + round - 1) * club.TablesPerGroup;
}

namespace {

template <typename Entry>
const Entry* EntryAt(const Club& club, const std::vector<Entry>& entries, int group, int round, int table) {
    if (group < 1 || round < 1 || round > club.SessionHead.RoundCount || table < 1 ||
        table > club.TablesPerGroup)
        return nullptr;
    const int index = ScheduleIndex(club, round, group) + table;
    if (index < 1 || static_cast<std::size_t>(index) >= entries.size())
        return nullptr;
    return &entries[static_cast<std::size_t>(index)];
}

int GroupOf(const Club& club, int pair) {
    return club.PairsPerGroup > 0 ? (pair - 1) / club.PairsPerGroup + 1 : 1;
}

} // namespace

const TSchemaObj* ScheduleEntry(const Club& club, int group, int round, int table) {
    const TZitSchemaObj* s = club.CurrentSchedule();
    return s ? EntryAt(club, s->Entries, group, round, table) : nullptr;
}

const TSchemaObj1* PlayerScheduleEntry(const Club& club, int group, int round, int table) {
    const TZitSchemaObj* s = club.CurrentSchedule();
    return s ? EntryAt(club, s->PlayerEntries, group, round, table) : nullptr;
}

std::optional<PairPosition> FindPairPosition(const Club& club, int pair, int round) {
    if (pair <= 0)
        return std::nullopt;
    const int group = GroupOf(club, pair);
    for (int t = 1; t <= club.TablesPerGroup; ++t) {
        const TSchemaObj* e = ScheduleEntry(club, group, round, t);
        if (e == nullptr)
            break;
        if (e->NS == pair)
            return PairPosition{e->Table, true, e->EW, e->Letter};
        if (e->EW == pair)
            return PairPosition{e->Table, false, e->NS, e->Letter};
    }
    return std::nullopt;
}

std::optional<PlayerPosition> FindPlayerPosition(const Club& club, int player, int round) {
    if (player <= 0)
        return std::nullopt;
    const int group = GroupOf(club, player);
    for (int t = 1; t <= club.TablesPerGroup; ++t) {
        const TSchemaObj1* e = PlayerScheduleEntry(club, group, round, t);
        if (e == nullptr)
            break;
        const std::pair<std::int16_t, char> seats[] = {{e->N, 'N'}, {e->Z, 'Z'}, {e->O, 'O'}, {e->W, 'W'}};
        for (const auto& [who, seat] : seats)
            if (who == player)
                return PlayerPosition{e->Table, seat, e->Letter};
    }
    return std::nullopt;
}

std::string TableLabel(const Club& club, int table) {
    if (table < 1 || static_cast<std::size_t>(table) >= club.TableLabelList.size())
        return {};
    return club.TableLabelList[static_cast<std::size_t>(table)].Label.get();
}

std::optional<BoardRange> BoardsOfBoardGroup(const Club& club, std::uint8_t letter) {
    if (letter < 'A' || letter > 'Z')
        return std::nullopt;
    const int k = letter - 'A' + 1;
    const int perRound = club.SessionHead.BoardsPerRound;
    return BoardRange{(k - 1) * perRound + club.SessionHead.FirstBoardNumber, perRound};
}

std::uint8_t BoardGroupOfBoard(const Club& club, int boardOrdinal) {
    const int perRound = club.SessionHead.BoardsPerRound;
    if (boardOrdinal < 1 || perRound <= 0)
        return kBlankLetter;
    const int k = (boardOrdinal - 1) / perRound + 1;
    return k <= 26 ? static_cast<std::uint8_t>('A' + k - 1) : kBlankLetter;
}

bool GroupInSchedule(const Club& club, int group) {
    const TZitSchemaObj* schedule = club.CurrentSchedule();
    if (schedule == nullptr || group < 1 || group > schedule->GroupCount)
        return false;
    for (int r = 1; r <= club.SessionHead.RoundCount; ++r)
        for (int t = 1; t <= club.TablesPerGroup; ++t)
            if (const TSchemaObj* e = ScheduleEntry(club, group, r, t); e && (e->NS != 0 || e->EW != 0))
                return true;
            else if (const TSchemaObj1* p = PlayerScheduleEntry(club, group, r, t);
                     p && (p->N != 0 || p->Z != 0 || p->O != 0 || p->W != 0))
                return true;
    return false;
}

} // namespace velk
