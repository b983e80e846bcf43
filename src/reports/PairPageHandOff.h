#pragma once

#include "core/Dialogs.h"
#include "reports/DocumentOpener.h"
#include "reports/PairPagesReport.h"

#include <string>

namespace velk {

inline constexpr const char* kWordStartFailed = "Opstarten van Word mislukt ";
inline constexpr const char* kWordEditFailed = "Bewerken in Word (Word2003?) mislukt";

// The per-pair list shown as a page to edit ("Tonen als HTML bestand ?" Ja): writes the page of
// pair row `row` of `group` in `dataFolder`, proposes it in the open dialog and hands the chosen
// page to the word processor, else to the desktop. False when nothing was opened; a page that
// cannot be written or found, or no program that starts, is said. The program stays usable
// whatever the other program does: it is never waited for.
bool HandOffPairPage(const PairPagesInput& input, int group, int row, const std::string& dataFolder,
                     Dialogs& dialogs, DocumentOpener& opener);

} // namespace velk
