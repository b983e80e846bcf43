#pragma once

#include "core/records/ScoreRecord.h"

namespace velk {

// Gives the opponents' record of the same table and board the complement of `own` (value, code
// and flags); `groupPairs` is the number of active pairs of the group in the session. Returns
// false when the code has no complement or the opponents' record is kept as it is.
bool ComplementScore(const TScoreObj& own, TScoreObj& opponent, int groupPairs);

} // namespace velk
