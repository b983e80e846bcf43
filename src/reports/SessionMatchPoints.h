#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "reports/ReportContext.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreTables.h"
#include "scoring/StoredMatchPoints.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velk {

// The match points of the current session as the results were summed from them: the list that
// the computation stored beside the competition, laid over a copy of the session's scores. No
// list computes match points again, so every list repeats the results.
class SessionMatchPoints {
public:
    // The records as they were summed (with their match points), or as they are entered now, for
    // the lists that check the scores typed.
    enum class Records { Summed, Entered };
    SessionMatchPoints(const Club& club, Dialogs& dialogs, Records records = Records::Summed);

    // The session has a score block that its numbering fits.
    bool available() const { return calc_ != nullptr; }
    // The stored list holds the group's match points.
    bool computed(int group) const { return stored_.has(group); }

    // Some pair of the group has session points.
    bool hasResults(int group) const;
    // The pair row has a score on some board.
    bool hasScores(int group, int row) const;

    // Match points in tenths; 0 where the record has none.
    int tenths(int group, int board, int row) const;
    const TScoreObj& record(int group, int board, int row) const;
    // The record counts as a board the pair played (not an empty, absent or sit-out record).
    bool played(int group, int board, int row) const;
    // Boards with a score the pair played.
    int boardsPlayed(int group, int row) const;
    // The row opposite on the board: from the schedule, else the row with the complementary score.
    int opponentRow(int group, int board, int row) const;

    int groupPairs(int group) const;
    // "TopPnt per Spel": the pairs compared minus 2.
    int top(int group) const;
    // The top of one board, lowered for the tables that did not play it.
    int boardTop(int board, int group) const;
    // The tops of the boards the pair played, summed: what its match points are a percentage of.
    int pairTop(int group, int row) const;
    // The result row of a pair in the current session; null when the session has none.
    const TCalcObj* row(int group, int row) const;
    // The pair's name from the pair list.
    std::string pairName(int group, int row) const;
    // The board's number as the club knows it.
    int boardNumber(int board) const;

    int boardCount() const { return settings_.BoardCount; }
    // The records as summed and their match points, per score record: what the per-pair pages are
    // written from.
    const std::vector<TScoreObj>& scores() const { return stored_.records; }
    const std::vector<TMatchPObj>& boardMatchPoints() const { return stored_.matchPoints; }
    const std::vector<int>& boardTops() const { return stored_.boardTops; }
    const MatchPointSettings& settings() const { return settings_; }

private:
    const Club& club_;
    MatchPointSettings settings_;
    StoredSession stored_;
    ScoreTables tables_;
    std::unique_ptr<MatchPointCalculation> calc_;
    std::vector<std::vector<int>> pairTops_; // [group - 1][row]
};

// The groups a match-point table lists: the chosen ones.
struct GroupRange {
    int first = 1;
    int last = 0;
};
GroupRange ChosenGroups(const ReportContext& context);

// Without match points nothing is written: "Er zijn geen MatchPoints berekend".
void ReportNoMatchPoints(ReportContext& context);
// A group without results: its box, and the group is left out.
void ReportNoResults(ReportContext& context, int group);

// The heading of a group's table: "G r o e p : A    Zitting : 1" between bold markers (after the
// club and title lines for the first group with "Print kop"), a line of blanks and, where match
// points are percentages, "TopPnt per Spel =" with the top.
void WriteMatchPointHeading(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group,
                            bool first, bool allGroups = false);

// For each chosen group with results and stored match points: writes its heading and, when its
// top allows a table ("Geen scores" else), calls `table` between the group's block bounds.
// `table` returns false to end the report.
void ForEachListedGroup(ReportContext& context, ReportSink& sink, SessionMatchPoints& mp,
                        const std::function<bool(int group)>& table);

// Percentages belong to the forms "Paren" and "Enkel".
bool ShowsPercentages(const Club& club);

} // namespace velk
