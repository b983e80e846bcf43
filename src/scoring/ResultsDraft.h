#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/PairRecord.h"
#include "core/records/SessionRecord.h"

#include <functional>
#include <string>
#include <vector>

namespace velk {

// What the points and the correction windows share: the current session's rows shown one group
// at a time, the copy taken on opening that "Schrap" goes back to, and the save question.
class ResultsDraft {
public:
    explicit ResultsDraft(Club& club) : club_(club) {}

    // Takes the copy of every session's rows and of the pair list; false when no session of the
    // competition is selected.
    bool open();
    bool isOpen() const { return open_; }

    int group() const { return group_; }
    int groupCount() const;
    // The list row of the first pair of the shown group and the number of rows shown.
    int firstRow() const;
    int shownRows() const;
    // Another group, refused with its message while a cell is being edited. True when the group
    // changed; with one group nothing changes and the window goes to the first or last row.
    bool stepGroup(int delta, bool editing, Dialogs& dialogs);
    void showGroup(int group);

    // The session row of list row `row` (1 ... PairCount); the pair of that row.
    TCalcObj& row(int row);
    const TCalcObj& row(int row) const;
    const TParenObj& pair(int row) const;
    bool validRow(int row) const;

    // Any result row of any session differs from the copy.
    bool changed() const;
    // A percentage + correction of the current session differs from the copy.
    bool totalsChanged() const;
    // Everything back as it was on opening.
    void restore();
    // The copy is now what was saved.
    void takeCopy();

    // A later session exists, whose totals follow this one.
    bool laterSessions() const { return club_.CurrentSession < club_.SessionCount(); }
    // The session is the competition's last ("Aantal Zittingen").
    bool lastOfCompetition() const;
    // The group letter, the number in the group and the names of list row `row` (columns 0 ... 2
    // of both windows).
    std::string pairCellText(int row, int column) const;
    // A close without "Ok": true when the user wants the window kept open to save.
    static bool keepOpenOnClose(Dialogs& dialogs);
    // "Velk\rBewaren van " and the file name; on Ja the save. True when saved.
    bool askSave(Dialogs& dialogs, const std::function<bool()>& save) const;

    Club& club() { return club_; }
    const Club& club() const { return club_; }

private:
    Club& club_;
    bool open_ = false;
    int group_ = 1;
    std::vector<std::vector<TCalcObj>> savedRows_;
    std::vector<TParenObj> savedPairs_;
};

} // namespace velk
