#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreTables.h"

#include <functional>
#include <optional>
#include <vector>

namespace velk {

// Where a pair row sat on a board: the row opposite (0 when none) and its side.
inline constexpr int kOpponentUnknown = -1;
struct BoardOpponent {
    int row = kOpponentUnknown; // kOpponentUnknown: the lookup cannot tell
    bool eastWest = false;
};

// Who met whom on a board. The session schedule answers it; without one (or when it answers
// kOpponentUnknown) the sit-out opponent is inferred from the empty records and the side of an
// empty record is left as it is.
using OpponentLookup = std::function<BoardOpponent(int group, int board, int row)>;

// Values of the status byte of a pair's session record.
namespace PairStatus {
enum : std::int8_t { Normal = 1, Incomplete = -1, SitOutArbitral = -2, SitOutWithout = -3 };
}

// What the sit-out detection of a group found and decided.
struct SitOutDecision {
    int sitOutRow = 0; // the pair without any board, 0 when none
    bool granted = false;
    std::vector<int> boardsPlayed;   // [row], row 0 unused
    std::vector<std::int8_t> status; // [row], before the refused sit-out becomes -3
    int incompleteCount = 0;
};

// Boards a pair played: records with a code other than 0, 'O' and 'S'.
int BoardsPlayedBy(const MatchPointCalculation& calc, int group, int row);

// The counting of the sit-out detection alone, without questions or codes: the boards each pair
// played, the incomplete pairs and the first pair without boards.
SitOutDecision CountSitOut(const MatchPointCalculation& calc, int group);

// Sit-out detection of a group (before copying): finds the incomplete pairs and the sit-out pair,
// asks or grants the arbitral score, and gives the empty records of incomplete pairs the code 'O'
// (board unplayed) or 'S' (against the sit-out pair, when granted).
SitOutDecision DetectSitOut(MatchPointCalculation& calc, int group, Dialogs& dialogs,
                            const OpponentLookup& opponents);

// Step S: match-point total, substitutes 0, status and boards played into the session rows.
void SumMatchPoints(Club& club, const MatchPointCalculation& calc, int group, const SitOutDecision& sitOut);

// The tops of the boards each pair row of a group played, summed: what its match points are a
// percentage of. [row], row 0 unused.
std::vector<int> PairTops(MatchPointCalculation& calc, int group);
// The same from the current session's scores as they are, or nothing when the group has no
// played board (points typed without boards).
std::optional<std::vector<int>> SessionPairTops(const Club& club, int group);

// Step P for a group of the current session; returns the group's point total ("Totaal"). In
// "Paren" a pair's percentage is its points over `pairTops` (taken from the session's scores when
// not given); without boards, over the top of the group times the boards played.
double ComputePercentages(Club& club, const ScoreTables& tables, int group,
                          const std::vector<int>* pairTops = nullptr);

// Step R for session `session` and a group, then for every later session (their totals add up
// this one's); the competition ranks also go into the pair list.
void ComputeRanks(Club& club, int session, int group);

} // namespace velk
