#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/ResultsDraft.h"

#include <functional>
#include <optional>
#include <string>

namespace velk {

// The correction window (TCorrectForm) without its widgets: a correction in percentage points on
// each pair's session percentage, the total kept within 0 ... 100, and the ranks and totals that
// follow from it.
class PercentageCorrection {
public:
    enum Column {
        GroupColumn = 0,
        NumberColumn = 1,
        NameColumn = 2,
        PercentageColumn = 3,
        CorrectionColumn = 4,
        TotalColumn = 5,
        ColumnCount = 6
    };

    PercentageCorrection(Club& club, Dialogs& dialogs);

    // On the current session; false (with the shared error) when none is selected.
    bool open();
    ResultsDraft& draft() { return draft_; }
    const ResultsDraft& draft() const { return draft_; }

    std::string caption() const;
    std::string cellText(int row, int column) const;

    // Reads the correction of list row `row` back; false (after the message) when percentage +
    // correction would leave 0 ... 100, and nothing is stored then.
    bool readRow(int row, const std::string& correction);

    struct Totals {
        double percentages = 0;
        double corrections = 0;
    };
    // "&Reken": the ranks and totals of every group, this session and the later ones; the totals of
    // the shown group.
    Totals compute();

    struct OkOptions {
        bool askSave = true;
        std::function<bool()> save;
    };
    // "&Ok": as "&Reken", then the save when the session is the competition's last or a total
    // changed. True when saved.
    bool ok(const OkOptions& options);
    void cancel() { draft_.restore(); }
    // A close other than "&Ok": true when the window should stay open.
    bool keepOpenOnClose();

private:
    Club& club_;
    Dialogs& dialogs_;
    ResultsDraft draft_;
};

} // namespace velk
