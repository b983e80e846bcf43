#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "hands/DoubleDummy.h"
#include "reports/DocumentOpener.h"
#include "reports/PageHeader.h"
#include "reports/ReportKind.h"
#include "reports/ReportStyle.h"
#include "selection/GroupSelection.h"
#include "selection/RangeSelection.h"

#include <optional>
#include <string>

namespace velk {

// Where a report goes: the screen (the work file), the printer or a file of the user's. The lines
// are the same; a few lists ask something only for the printer.
enum class ReportTarget : int { Screen = 1, Printer = 2, File = 3 };

// Everything a report writer reads besides the competition: the kind, the ranges chosen in the
// selection dialogs, the style and heading of the lists, and what it hands back.
struct ReportContext {
    Club& club;
    Dialogs& dialogs;
    ReportKind kind = ReportKind::PairList;
    ReportTarget target = ReportTarget::Screen;
    bool html = false; // saved as an HTML page

    GroupSelection groups; // the group/session selection dialog
    RangeSelection range;  // the pair/round/table/competition selection dialog

    ReportStyle style;
    ReportHeading heading;
    int width = 70; // report width in characters, set by the writer before it writes

    // Promotion and degradation warnings, shown after the report when not empty.
    std::string warnings;
    // Set when a check stopped the report: nothing is shown then.
    bool cancelled = false;
    // Asked for landscape on paper (the guide cards with the opponents' names).
    bool landscape = false;

    // Where a page handed to another program goes, and that program; none: the list stays text.
    std::string handOffFolder;
    DocumentOpener* opener = nullptr;
    // The solver that analyses the boards of the hand record not analysed yet; none: shown as read.
    DoubleDummySolver* solver = nullptr;
    // Set when the report went to files or another program instead of the window; false in it
    // when that did not succeed.
    std::optional<bool> delivered;

    ReportContext(Club& club, Dialogs& dialogs, ReportKind kind);
};

} // namespace velk
