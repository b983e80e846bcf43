#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/ResultsDraft.h"
#include "scoring/ScoreTables.h"

#include <functional>
#include <optional>
#include <string>

namespace velk {

// The range of the points column for the competition's scoring form.
struct PointsLimits {
    int maximum = 0;
    int minimum = 0;
};
PointsLimits PointsLimitsOf(const Club& club);

// The points and substitutes window (TInvoerForm) without its widgets: the pair rows of the
// current session group by group, read back cell by cell, and the recomputation of percentages,
// ranks and totals.
class PointsEntry {
public:
    // Grid columns.
    enum Column {
        GroupColumn = 0,
        NumberColumn = 1,
        NameColumn = 2,
        PointsColumn = 3,
        SubstitutesColumn = 4,
        RankColumn = 5,
        ColumnCount = 6
    };

    PointsEntry(Club& club, Dialogs& dialogs, const ScoreTables& tables);

    // On the current session; false (with the shared error) when none is selected.
    bool open();
    ResultsDraft& draft() { return draft_; }
    const ResultsDraft& draft() const { return draft_; }
    PointsLimits limits() const { return limits_; }

    std::string caption() const;
    // The line above the grid; "\r" breaks it.
    std::string dateLabel() const;
    // The text of a cell of list row `row`.
    std::string cellText(int row, int column) const;
    // "Gegevens": the box with the session's values.
    std::string sessionDataText() const;
    // The help context of a column.
    static int helpContextOf(int column);

    // The keys that move the cursor along a row.
    enum class ColumnKey { Tab, BackTab, Left, Right };
    // The column a key goes to from `column`: the cursor stays in the points, substitutes and
    // rank, Tab from the others (and from the rank) goes to the points, Right from the rank wraps
    // to the points and Left stops at them.
    static int columnAfter(ColumnKey key, int column);

    // Reads the three editable cells of list row `row` back into its record. On a refused value
    // the message is shown and the column to return to is given; nothing of the row is stored.
    std::optional<int> readRow(int row, const std::string& points, const std::string& substitutes,
                               const std::string& rank);

    // "Reken": percentages and ranks of the shown group; the group's point total, or nothing when
    // the question about later sessions was answered Nee.
    std::optional<double> compute();

    struct OkOptions {
        // The window asks both questions; a command line has decided them already.
        bool askRecompute = true;
        bool askSave = true;
        std::function<bool()> save;
    };
    // "Ok": every group recomputed (after the question), then the save when the session is the
    // competition's last or anything changed. True when the competition was saved.
    bool ok(const OkOptions& options);
    // Moves the pair of list row `from` to row `to` in the list and in every session; "Schrap"
    // puts it back.
    bool movePair(int from, int to);
    // "Schrap" and a close answered Nee: everything back as it was.
    void cancel() { draft_.restore(); }
    // A close other than "Ok" or "Schrap": true when the window should stay open.
    bool keepOpenOnClose();

private:
    void recomputeAll();

    Club& club_;
    Dialogs& dialogs_;
    const ScoreTables& tables_;
    ResultsDraft draft_;
    PointsLimits limits_;
};

} // namespace velk
