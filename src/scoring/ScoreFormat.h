#pragma once

#include "core/records/ScoreRecord.h"

#include <string>

namespace velk {

// The display text of a stored score: "420", "A60%", "3.5M", "O", "S0%", with "!", "?" and "$" for
// the marks ("$": the two sides of the table do not complement each other). With `shortNotation` a bridge
// score loses its last digit; `oneDecimal` is the Neuberg setting "Ja, 1 dec." for the codes C, D, I and J.
std::string FormatScore(const TScoreObj& record, bool shortNotation = false, bool oneDecimal = false);

} // namespace velk
