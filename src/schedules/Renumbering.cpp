#include "schedules/Renumbering.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/files/BaseScheduleFile.h"

#include <set>

namespace velk {

std::optional<std::vector<TReNumOBj>> BuildRenumberList(const std::vector<std::vector<int>>& gridRows,
                                                        int sessions, int pairs, Dialogs& dialogs) {
    std::vector<TReNumOBj> list(1);
    list[0].Pairs[0] = static_cast<std::int16_t>(sessions);
    list[0].Pairs[1] = static_cast<std::int16_t>(pairs);
    bool repeated = false;
    for (int z = 1; z <= sessions; ++z) {
        TReNumOBj row;
        std::set<int> seen;
        bool rowRepeats = false;
        if (static_cast<std::size_t>(z - 1) < gridRows.size()) {
            const auto& cells = gridRows[static_cast<std::size_t>(z - 1)];
            for (std::size_t p = 0; p < cells.size() && p < row.Pairs.size(); ++p) {
                const int pair = cells[p];
                if (pair != 0 && !seen.insert(pair).second && !rowRepeats) {
                    dialogs.error("Paar: " + std::to_string(pair) + " komt vaker voor");
                    rowRepeats = true;
                }
                row.Pairs[p] = static_cast<std::int16_t>(pair);
            }
        }
        repeated = repeated || rowRepeats;
        if (!rowRepeats)
            list.push_back(row);
    }
    if (repeated)
        return std::nullopt;
    return list;
}

namespace {
std::int16_t Renumbered(const TReNumOBj& row, int pair) {
    if (pair < 1 || pair > TReNumOBj::MaxPairs)
        return 0;
    return row.Pairs[static_cast<std::size_t>(pair - 1)];
}
} // namespace

WorkSchedule RenumberSchedule(const TZitSchemaObj& source, const std::vector<TReNumOBj>& list, int session,
                              const ScheduleCounts& counts, Dialogs& dialogs) {
    WorkSchedule result = WorkSchedule::Empty(counts);
    if (session < 1 || static_cast<std::size_t>(session) >= list.size())
        return result;
    const TReNumOBj& row = list[static_cast<std::size_t>(session)];
    for (int r = 1; r <= counts.Rounds; ++r)
        for (int t = 1; t <= counts.Tables; ++t) {
            const std::size_t position = static_cast<std::size_t>(t + counts.Tables * (r - 1));
            if (position >= source.Entries.size()) {
                dialogs.error("Schema niet correct voor Ronde " + std::to_string(r));
                break;
            }
            const TSchemaObj& from = source.Entries[position];
            TWSObj& to = result.at(r, t);
            to.NS = Renumbered(row, from.NS);
            to.EW = Renumbered(row, from.EW);
            to.Letter = from.Letter;
        }
    return result;
}

bool RenumberingPossible(const Club& club, Dialogs& dialogs) {
    if (club.CompetitionHead.SessionsPerCompetition < 2) {
        dialogs.error("Voor één zitting geen vernummeren nogelijk");
        return false;
    }
    return true;
}

bool HasBaseScheduleToRenumber(const Club& club, Dialogs& dialogs) {
    const TZitSchemaObj* schedule = club.CurrentSchedule();
    if (schedule == nullptr || schedule->BaseScheduleNames[0].get().empty()) {
        dialogs.error("U heeft nog geen Basis schema gelezen");
        return false;
    }
    return true;
}

} // namespace velk
