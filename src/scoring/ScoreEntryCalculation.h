#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreEntry.h"

namespace velk {

// Score entry driving the session's match-point calculation: "Reken" computes one board for
// display, "Bewaar" counts the group's unplayed boards with their report and runs the sit-out
// detection with the schedule's opponents. `calc` must work on the score block the entry edits
// and outlive the hooks.
ScoreEntryHooks CalculationHooks(const Club& club, MatchPointCalculation& calc, Dialogs& dialogs);

} // namespace velk
