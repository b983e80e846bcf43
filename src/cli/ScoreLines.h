#pragma once

#include "cli/OpenCompetition.h"

#include <istream>

namespace velk::cli {

// Lines "GROUP BOARD PAIR SCORE" or "GROUP BOARD PAIR CONTRACT RESULT" stored as the score entry
// form stores them, then the score file saved; nothing is saved when any line is refused.
// Returns the exit status.
int EnterScoreLines(OpenCompetition& competition, std::istream& in, bool changeEastWest);

} // namespace velk::cli
