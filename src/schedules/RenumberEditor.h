#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/Renumbering.h"
#include "schedules/ScheduleEditor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// "Schema: " + the base schedule read for group 1 of the current session.
std::string RenumberScheduleLine(const Club& club);

// The grid "Vernummergrid": a header row, then one row per session of the competition; column 0
// names the session, columns 1..pairs the base pairs. At least 49 columns, more when the pairs
// need them.
int RenumberGridColumns(int pairs);
// " Paren" for column 0, else " " + the two-digit pair number.
std::string RenumberColumnHeader(int column);
// "Zit " + the two-digit session number for the sessions played so far, else empty.
std::string RenumberRowLabel(const Club& club, int session);

// The renumbering view of the pairs editor: the table read or saved, and the steps of its three
// buttons. The window supplies the grid's numbers and the dialogs that ask a count or session.
class RenumberEditor {
public:
    // A fresh view for base schedules of `pairs` pairs; no table opened yet.
    void start(int pairs);

    int pairs() const { return pairs_; }
    bool tableOpened() const { return opened_; }
    const std::vector<TReNumOBj>& renumberList() const { return renumberList_; }
    const std::string& renumberFile() const { return renumberFile_; }

    // "Open tabel": the file choice, then the reading. The grid rows to show (row z - 1 holds the
    // cells of session z, as far as the grid has rows and group 1 has pairs), or nothing.
    std::optional<std::vector<std::vector<int>>> openTable(Club& club, Dialogs& dialogs);

    // Answers of the dialogs the steps below ask; -1 = cancelled, 0 = "*" (all sessions).
    using SessionChoice = std::function<int()>;
    using CountsChoice = std::function<std::optional<ScheduleCounts>(int* scheduleType)>;

    // "Red tabel" with the grid's rows (0 = empty cell). True when the editor closes.
    bool saveTable(const std::vector<std::vector<int>>& gridRows, const SessionChoice& chooseCount,
                   Club& club, Dialogs& dialogs);

    // "Maak Schema": the new schedule goes to `editor` and is offered for saving. True when the
    // editor closes.
    bool makeSchedule(const CountsChoice& askCounts, const SessionChoice& chooseSession,
                      ScheduleEditor& editor, Club& club, Dialogs& dialogs);

private:
    int pairs_ = 0;
    bool opened_ = false;
    std::vector<TReNumOBj> renumberList_;
    std::string renumberFile_;
};

} // namespace velk
