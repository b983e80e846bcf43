#include "schedules/WholeScheduleCheck.h"

#include <cstdio>
#include <string>

namespace velk {

namespace {

std::string Printf(const char* format, int a, int b, int c, int d) {
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
    return buffer;
}

bool Has(const TWSObj& e, int pair) {
    return pair != 0 && (e.NS == pair || e.EW == pair);
}

class Checker {
public:
    Checker(const WorkSchedule& s, int tablesPerGroup, Dialogs& dialogs)
        : s_(s), counts_(s.counts()), tablesPerGroup_(tablesPerGroup), dialogs_(dialogs) {}

    // View 1: a pair meeting the same board group again at the same table in a later round.
    bool sameTableLaterRounds() {
        for (int t = 1; t <= counts_.Tables; ++t)
            for (int r = 1; r <= counts_.Rounds; ++r) {
                const TWSObj& e = s_.at(r, t);
                count(e);
                for (const int pair : {int(e.NS), int(e.EW)})
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
                const TWSObj& e = s_.at(r, t);
                count(e);
                for (const int pair : {int(e.NS), int(e.EW)})
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
                        const TWSObj& e = s_.at(r, t);
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
            dialogs_.error(
                Printf("Schema is niet compleet, pas op !\rEr zijn %d paren te weinig\rin  %d rondes",
                       missing, counts_.Rounds, 0, 0));
    }

private:
    void count(const TWSObj& e) { filledPlaces_ += (e.NS != 0) + (e.EW != 0); }

    bool playsAlready(int round, int pair, int earlierRound, int table) {
        const int within = tablesPerGroup_ > 0 ? (table - 1) % tablesPerGroup_ + 1 : table;
        dialogs_.error(Printf("Ronde %d :\rPaar  %d Speelt al in ronde %d,\raan Tafel %d", round, pair,
                              earlierRound, within));
        return false;
    }

    const WorkSchedule& s_;
    const ScheduleCounts counts_;
    const int tablesPerGroup_;
    Dialogs& dialogs_;
    int filledPlaces_ = 0;
};

} // namespace

WholeCheckResult CheckWholeSchedule(const WorkSchedule& schedule, int viewMode, int tablesPerGroup,
                                    Dialogs& dialogs) {
    WholeCheckResult result;
    if (!schedule.isComplete()) {
        dialogs.error(viewMode == 1 ? "Schema niet correct voor Tafel 1"
                                    : "Schema niet correct voor ronde 1");
        result.Passed = false;
        return result;
    }
    Checker checker(schedule, tablesPerGroup, dialogs);
    result.Passed = viewMode == 1 ? checker.sameTableLaterRounds() : checker.sameRoundHigherTables();
    if (result.Passed && viewMode == 3)
        result.Passed = checker.boardGroupsOncePerPair(result);
    if (!result.Passed)
        checker.reportIncomplete();
    return result;
}

} // namespace velk
