#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace velk {

// A new session record numbered SessionCount + 1, with a result row per pair: the boards, rounds,
// board groups and boards per group of the last session (24, 6, 6 and 4 for the first), first
// board 1, today's date and every group in play.
TZitCalcObj NewSessionRecord(const Club& club);
// Appends a new session, makes it current and tells the companion lists.
void AppendNewSession(Club& club);

// Copy between session record n (1-based) and the working copy SessionHead.
bool LoadSession(Club& club, int n);
bool StoreSession(Club& club, int n);

// Removes the last session (only when it is current) with its result rows; the new last session
// becomes current. With `save` given, the files are written and the removal reported, or, when
// `save` fails, that it was removed in memory only.
// Returns false when refused.
bool DeleteLastSession(Club& club, Dialogs& dialogs, const std::function<bool()>& save = {});

// "dd-mm-yyyy" with two-digit day and month.
std::string SessionDateText(int day, int month, int year);

// The fields of the session dialog in input order.
enum SessionField : int {
    SessionBoxField = 0,
    BoardsField = 1,
    RoundsField = 2,
    BoardGroupsField = 3,
    FirstBoardField = 4,
    GroupLengthField = 5,
    PairSelectionField = 6,
    DateField = 7,
    OkField = 8,
};

// The rules of the session dialog ("Zitting selecteren").
class SessionDialogModel {
public:
    enum Mode { NewSession = 1, ChooseSession = 2 };
    enum State { Idle, New, Choose, Edit };

    // `save` writes the competition file (the caller's save, asking a path for an unnamed file).
    SessionDialogModel(Club& club, Dialogs& dialogs, std::function<bool()> save = {});

    // Opens in a mode. `openWindow` is the name of the first conflicting window that is open
    // ("Corrigeervenster", ...), empty when none. Returns false when the dialog does not show.
    bool open(int mode, const std::string& openWindow = {});

    State state = Idle;
    int mode = NewSession;
    std::string sessionBoxText;
    std::vector<std::string> sessionItems;
    std::string sessionLabel;
    std::string okCaption = "OK";
    bool parametersVisible = false;
    bool sessionBoxVisible = true;
    // Box texts of fields 1..5.
    std::array<std::string, 6> text;
    std::string date; // dd-mm-yyyy
    int focus = BoardsField;
    int newSessionNumber = 0;

    // The box items the form offers.
    static std::vector<std::string> items(int field);
    // Latest date the picker allows: 31-12 of the year after the season year.
    int latestYear() const { return club_.SeasonYear + 1; }
    void setDate(int day, int month, int year) { date = SessionDateText(day, month, year); }
    // A date typed as text (the command line), held to what the picker allows: a day that exists,
    // day-month-year with a four-digit year, not after 31-12 of latestYear(). Stored as the picker
    // stores it ("05-01-2027"); false, with the message, otherwise.
    bool setDateText(const std::string& typed);

    // The user typed in the session box: back to choosing.
    void sessionBoxEdited();
    // OK in choose state, or Enter in the session box. Returns true when a session was loaded.
    bool choose();
    // Validates a parameter field (Enter). Returns 0 when valid; the focus then moves on.
    int validateField(int field);
    static int nextField(int field);
    // OK in new or edit state: true when the dialog closes.
    bool accept();
    // The dialog closed without OK.
    void cancel();
    bool accepted() const { return accepted_; }

    // After the dialog: true when the points window should open ("Zitting openen ?").
    bool finish();

private:
    void fillBoxes();
    void showParameters();

    Club& club_;
    Dialogs& dialogs_;
    std::function<bool()> save_;
    bool accepted_ = false;
};

// The session picker ("Kies Zitting "): the first word of the box text, "*" for all (0).
class SessionPickerModel {
public:
    SessionPickerModel(const Club& club, Dialogs& dialogs);
    std::vector<std::string> items;
    std::string boxText;
    // Validates the box; result 0 means all sessions.
    bool validate();
    int result = 0;

private:
    const Club& club_;
    Dialogs& dialogs_;
};

// "Actieve Paren en Tafels": pairs and tables in play per group of the current session.
class ActivePairsModel {
public:
    ActivePairsModel(Club& club, Dialogs& dialogs);
    int group = 1;
    int pairs = 0;
    int tables = 0;
    char letter() const;
    std::string pairsLabel() const;
    bool groupButtonsVisible() const;
    void nextGroup();
    void previousGroup();
    // "O&k": false when the user wants to go on with the other groups.
    bool accept();

private:
    void store();
    void show();

    Club& club_;
    Dialogs& dialogs_;
};

} // namespace velk
