#include "schedules/WholeScheduleCheck.h"

#include <array>
#include <cstdio>
#include <string>

namespace velk {

namespace {

std::string Printf(const char* format, int a, int b, int c, int d) {
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
    return buffer;
}

std::array<int, 2> Seats(const TWSObj& e) {
    return {e.NS, e.EW};
}
std::array<int, 4> Seats(const TWSObj1& e) {
    return {e.N, e.Z, e.O, e.W};
}

template <typename Item> bool Has(const Item& e, int seat) {
    if (seat == 0)
        return false;
    for (const int s : Seats(e))
        if (s == seat)
            return true;
    return false;
}

// The texts that name a pair or a player.
struct CheckTexts {
    const char* PlaysAlready;
    const char* Incomplete;
};
constexpr CheckTexts kPairTexts{
    "Ronde %d :\rPaar  %d Speelt al in ronde %d,\raan Tafel %d",
    "Schema is niet compleet, pas op !\rEr zijn %d paren te weinig\rin  %d rondes"};
constexpr CheckTexts kPlayerTexts{
    "Ronde %d :\rSpeler  %d Speelt al in ronde %d,\raan Tafel %d",
    "Schema is niet compleet, pas op !\rEr zijn %d spelers te weinig\rin  %d rondes"};

template <typename Item> class Checker {
public:
    using Schedule = BasicWorkSchedule<Item>;

    Checker(const Schedule& s, const CheckTexts& texts, int tablesPerGroup, Dialogs& dialogs)
        : s_(s), texts_(texts), counts_(s.counts()), tablesPerGroup_(tablesPerGroup), dialogs_(dialogs) {}

    // View 1: a pair meeting the same board group again at the same table in a later round.
    bool sameTableLaterRounds() {
        for (int t = 1; t <= counts_.Tables; ++t)
            for (int r = 1; r <= counts_.Rounds; ++r) {
                const Item& e = s_.at(r, t);
                count(e);
                for (const int pair : Seats(e))
                    for (int j = r + 1; j <= counts_.Rounds; ++j)
                        if (Has(s_.at(j, t), pair) && s_.at(j, t).Letter == e.Letter)
                            return playsAlready(j, pair, r, e.Table);
            }
        return true;
    }

    // Views 2 and 3: a pair at two tables of a round with the same board group.
    bool sameRoundHigherTables() {
        for (int r = 1; r <= counts_.Rounds; ++r)
            for (int t = 1; t <= counts_.Tables; ++t) {
                const Item& e = s_.at(r, t);
                count(e);
                for (const int pair : Seats(e))
                    for (int k = t + 1; k <= counts_.Tables; ++k)
                        if (Has(s_.at(r, k), pair) && s_.at(r, k).Letter == e.Letter)
                            return playsAlready(r, pair, r, s_.at(r, k).Table);
            }
        return true;
    }

    // View 3: a pair that plays one board group more than once.
    bool boardGroupsOncePerPair(WholeCheckResult& result) {
        for (int p = 1; p <= counts_.Pairs; ++p)
            for (int g = 1; g <= counts_.BoardGroups; ++g) {
                int seen = 0;
                for (int r = 1; r <= counts_.Rounds; ++r)
                    for (int t = 1; t <= counts_.Tables; ++t) {
                        const Item& e = s_.at(r, t);
                        if (!Has(e, p) || BoardGroupValue(e.Letter) != g)
                            continue;
                        if (++seen > 1) {
                            dialogs_.error(std::to_string(p) +
                                           " : speelt in een verkeerde groep: " + std::to_string(g));
                            result.Round = r;
                            result.Table = t;
                            return false;
                        }
                    }
            }
        return true;
    }

    void reportIncomplete() {
        const int missing = counts_.Tables * counts_.Pairs - filledPlaces_;
        if (missing > 0)
            dialogs_.error(Printf(texts_.Incomplete, missing, counts_.Rounds, 0, 0));
    }

private:
    void count(const Item& e) {
        for (const int seat : Seats(e))
            filledPlaces_ += seat != 0;
    }

    bool playsAlready(int round, int pair, int earlierRound, int table) {
        const int within = tablesPerGroup_ > 0 ? (table - 1) % tablesPerGroup_ + 1 : table;
        dialogs_.error(Printf(texts_.PlaysAlready, round, pair, earlierRound, within));
        return false;
    }

    const Schedule& s_;
    const CheckTexts& texts_;
    const ScheduleCounts counts_;
    const int tablesPerGroup_;
    Dialogs& dialogs_;
    int filledPlaces_ = 0;
};

template <typename Item>
WholeCheckResult CheckWhole(const BasicWorkSchedule<Item>& schedule, const CheckTexts& texts, int viewMode,
                            int tablesPerGroup, Dialogs& dialogs) {
    WholeCheckResult result;
    if (!schedule.isComplete()) {
        dialogs.error(viewMode == 1 ? "Schema niet correct voor Tafel 1"
                                    : "Schema niet correct voor ronde 1");
        result.Passed = false;
        return result;
    }
    Checker<Item> checker(schedule, texts, tablesPerGroup, dialogs);
    result.Passed = viewMode == 1 ? checker.sameTableLaterRounds() : checker.sameRoundHigherTables();
    if (result.Passed && viewMode == 3)
        result.Passed = checker.boardGroupsOncePerPair(result);
    if (!result.Passed)
        checker.reportIncomplete();
    return result;
}

} // namespace

WholeCheckResult CheckWholeSchedule(const WorkSchedule& schedule, int viewMode, int tablesPerGroup,
                                    Dialogs& dialogs) {
    return CheckWhole(schedule, kPairTexts, viewMode, tablesPerGroup, dialogs);
}

WholeCheckResult CheckWholeSchedule(const WorkSchedule1& schedule, int viewMode, int tablesPerGroup,
                                    Dialogs& dialogs) {
    return CheckWhole(schedule, kPlayerTexts, viewMode, tablesPerGroup, dialogs);
}

} // namespace velk
