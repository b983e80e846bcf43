#include "scoring/ScoreEntryCalculation.h"

#include "scoring/BoardOpponents.h"
#include "scoring/SessionResults.h"

namespace velk {

static_assert(kNoMatchPointsShown == kNoMatchPoints, "the entry form shows the calculation's empty slots");

ScoreEntryHooks CalculationHooks(const Club& club, MatchPointCalculation& calc, Dialogs& dialogs) {
    ScoreEntryHooks hooks;
    hooks.computeBoard = [&calc](int group, int board) {
        // Scores typed since the last count change which tables did not play, and so the top.
        const MatchPointSettings& s = calc.settings();
        for (int h = s.firstGroupOfRange(group); h <= s.lastGroupOfRange(group); ++h)
            calc.CountUnplayed(h, 1, s.BoardCount, false);
        calc.ComputeBoards(group, board, board, MatchPointCalculation::Target::DisplayOnly);
        return calc.Display();
    };
    hooks.countUnplayed = [&calc](int group) {
        calc.CountUnplayed(group, 1, calc.settings().BoardCount, true);
    };
    hooks.detectSitOut = [&club, &calc, &dialogs](int group) {
        const SitOutDecision d = DetectSitOut(calc, group, dialogs, ScheduleOpponents(club));
        // A pair without boards is a sit-out only when every round has one incomplete pair.
        return d.incompleteCount == calc.settings().RoundCount ? d.sitOutRow : 0;
    };
    return hooks;
}

} // namespace velk
