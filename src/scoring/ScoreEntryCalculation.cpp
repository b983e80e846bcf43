#include "scoring/ScoreEntryCalculation.h"

#include "core/records/ConfigRecord.h"
#include "scoring/ScoreEntryE.h"
#include "scoring/SessionResults.h"

namespace velk {

static_assert(kNoMatchPointsShown == kNoMatchPoints, "the entry form shows the calculation's empty slots");

ScoreEntryHooks CalculationHooks(MatchPointCalculation& calc) {
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
    hooks.detectSitOut = [&calc](int group) {
        // Saving only tells of the sit-out pair. The codes of the sit-out round and the arbitral
        // score wait for the copy into the session: on an evening saved half-way they would mark
        // every board still to be typed as not played.
        const SitOutDecision d = CountSitOut(calc, group);
        // A pair without boards is a sit-out only when every round has one incomplete pair.
        return d.incompleteCount == calc.settings().RoundCount ? d.sitOutRow : 0;
    };
    return hooks;
}

bool ScoresIndividually(const Club& club) {
    return club.CompetitionHead.ScoringMode == ModeIndividual;
}

SessionScoreEntry MakeSessionScoreEntry(Club& club, const ScoreTables& tables, Dialogs& dialogs) {
    SessionScoreEntry made;
    ScoreEntryHooks hooks;
    const auto session = static_cast<std::size_t>(club.CurrentSession - 1);
    if (club.CurrentSession >= 1 && session < club.SessionScoreList.size()) {
        made.calc = std::make_unique<MatchPointCalculation>(
            MatchPointSettings::Of(club), club.SessionScoreList[session].Records, tables, dialogs);
        hooks = CalculationHooks(*made.calc);
    }
    if (ScoresIndividually(club))
        made.entry = std::make_unique<ScoreEntryE>(club, tables, dialogs, std::move(hooks));
    else
        made.entry = std::make_unique<ScoreEntry>(club, tables, dialogs, std::move(hooks));
    return made;
}

} // namespace velk
