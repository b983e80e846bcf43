#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreRanking.h"
#include "scoring/ScoreTables.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace velk {

// One entry of the match-point list: the match points of one score record slot in tenths (IMPs in
// tenths in "Butler" and "Cross Imp"), 0 when the record has none.
struct TMatchPObj {
    std::int32_t MatchPoints = 0;
    bool operator==(const TMatchPObj&) const = default;
};

// The arbitral score of a pair that could not play a board: the average.
inline constexpr int kArbitralPercentage = 50;

// The competition and session values a calculation reads, taken once from the open competition.
struct MatchPointSettings {
    int ScoringMode = 0;
    int NeubergMode = 0;
    bool TopIntegral = false;
    int PairCount = 0;
    int GroupCount = 0;
    int PairsPerGroup = 0;
    int BoardCount = 0;
    int RoundCount = 0;
    std::array<int, 16> GroupPairs{}; // [g-1] score rows: the active pairs, half the players in "Enkel"

    static MatchPointSettings Of(const Club& club);
    int groupPairs(int group) const { return GroupPairs[static_cast<std::size_t>(group - 1)]; }
    int firstGroupOfRange(int group) const { return TopIntegral ? 1 : group; }
    int lastGroupOfRange(int group) const { return TopIntegral ? GroupCount : group; }
};

// What every row of one board needs from its comparison range, gathered in one pass: the ordered
// scores of each comparison set, the counters of each side and the datums.
struct BoardComparison {
    std::array<ScoreRanking, 2> normal;                   // by comparison side
    std::array<std::array<ScoreRanking, 3>, 2> fragments; // [side]['F', 'G', 'H']
    std::array<SideCounts, 2> counts;                     // by counting side
    std::array<std::optional<int>, 2> datum;              // "Butler" and "Cross Imp"
    // With "Topintegraal" the finished match points of the normal results of each counting
    // side by raw score, for the top `finishedTop`, shared by the groups.
    std::array<std::vector<int>, 2> finished;
    int finishedTop = -1;
};

// Match points of the boards of a session: the unplayed boards (step U) and the comparison of
// every board (step M), into BoardMatchPoints and the display array of the last board.
// With "Topintegraal" the comparison of a board is made once and every group takes its rows from
// it; records changed through mutableRecord() make it again, records changed behind the
// calculation's back need invalidate() (display-only boards are always compared afresh).
class MatchPointCalculation {
public:
    MatchPointCalculation(const MatchPointSettings& settings, std::vector<TScoreObj>& scores,
                          const ScoreTables& tables, Dialogs& dialogs);

    // The score list holds every record the session's numbering reaches.
    bool fits() const;

    // Step U for boards first..last of a group; returns the number of boards with a table missing.
    // Whether a board keeps the mark that lowers its top follows from the scores alone, so every
    // group, list and "Reken" sees the same top: with Neuberg on, a few missed boards (fewer than
    // the rounds) lose the mark and are factored up to the full top; a sit-out round (every board
    // misses a table) and Neuberg off keep it. With `report` the boards
    // are shown and each board that lost its mark is asked about: "Ja" gives the pairs who could
    // not play it the average as arbitral score ('A' 50 %), "Nee" leaves them without one.
    int CountUnplayed(int group, int firstBoard, int lastBoard, bool report, bool sitOutGranted = false);

    enum class Target { Store, DisplayOnly };
    // Step M for boards first..last of a group. A board nobody played gets no match points; when
    // storing, such boards are asked about once for the group ("Berekening afbreken?", Nee the
    // default) and false is returned, with nothing stored for the group, when the user stops.
    bool ComputeBoards(int group, int firstBoard, int lastBoard, Target target = Target::Store);

    const std::vector<TMatchPObj>& BoardMatchPoints() const { return boardMatchPoints_; }
    // Two slots per row of the board last computed (NZ, OW), kNoMatchPoints for none; row 0 unused.
    const std::vector<std::array<int, 2>>& Display() const { return display_; }

    // The tables marked unplayed on a board: those that lower its top.
    int unplayed(int board, int group) const;
    // The tables that did not play a board, marked or not.
    int missingTables(int board, int group) const;
    int expectedResults(int group) const { return expected_[static_cast<std::size_t>(group - 1)]; }
    // The top of a board: the pairs of the comparison range minus 2, lowered for unplayed tables.
    int boardTop(int board, int group) const;
    int recordIndex(int group, int board, int row) const {
        return ScoreRecordIndex(group, board, row, settings_.BoardCount, settings_.PairsPerGroup);
    }
    const TScoreObj& record(int group, int board, int row) const {
        return scores_[static_cast<std::size_t>(recordIndex(group, board, row))];
    }
    TScoreObj& mutableRecord(int group, int board, int row);
    // True when a record handed out by mutableRecord() now differs from what it held before; the
    // records themselves need not be copied to know whether they must be saved.
    bool recordsChanged() const;
    void invalidate() { ++version_; }
    const MatchPointSettings& settings() const { return settings_; }
    // Counts, where not yet counted, the unplayed tables of every group the group is compared with.
    void countRange(int group);

private:
    void ensureCounted(int group);
    void setUnplayed(int group, int board, int tables);
    void compare(int group, int board, BoardComparison& out);
    BoardComparison& comparison(int group, int board, Target target);
    WorkingValue workingValue(const TScoreObj& r, int top, const BoardComparison& c);
    // The match points of a record outside the common case, kNoMatchPoints for none; kept out of
    // the loop over the rows.
    [[gnu::noinline]] int finishOther(const TScoreObj& r, RecordClass cls, const SideCounts& c,
                                      FinishContext& context, const BoardComparison& comparison);

    MatchPointSettings settings_;
    std::vector<TScoreObj>& scores_;
    const ScoreTables& tables_;
    Dialogs& dialogs_;
    std::vector<TMatchPObj> boardMatchPoints_;
    std::vector<std::array<int, 2>> display_;
    std::vector<int> unplayed_; // [(g-1) * BoardCount + (b-1)]
    std::vector<int> missing_;  // the same index
    // "Topintegraal": the unplayed tables of every group by board, and the pairs of all groups.
    std::vector<int> unplayedInRange_;
    int rangePairs_ = 0;
    std::array<int, 16> expected_{};
    std::array<bool, 16> counted_{};
    // "Topintegraal": the comparison of every board, made at version cacheVersion_[b - 1] - 1.
    std::vector<BoardComparison> cache_;
    std::vector<unsigned> cacheVersion_;
    unsigned version_ = 0;
    // Each record handed out for change, with what it held the first time.
    std::vector<std::pair<std::size_t, TScoreObj>> originals_;
    std::vector<bool> handedOut_;
    BoardComparison scratch_;
    std::array<std::vector<int>, 8> collected_; // scores of the comparison sets while gathering
};

} // namespace velk
