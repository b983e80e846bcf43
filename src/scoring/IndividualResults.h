#pragma once

#include "club/Club.h"
#include "scoring/MatchPointCalculation.h"

namespace velk {

// Step S of an individual competition: each player of the group gets, in the current session's
// rows, the match points of the table side the player sat in on every board (found over the
// four seats of the schedule), substitutes 0, the boards played and the status: incomplete below
// the session's boards, a sit-out with nothing played.
void SumIndividualMatchPoints(Club& club, const MatchPointCalculation& calc, int group);

} // namespace velk
