#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/HelpContext.h"
#include "core/records/ScoreRecord.h"
#include "scoring/ScoreEntryKeys.h"
#include "scoring/ScoreTables.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// What score entry asks of the match-point calculation; an empty hook is skipped.
struct ScoreEntryHooks {
    // Match points of one board for display: two slots per pair row (NZ, OW) in tenths, row 0
    // unused, kNoMatchPointsShown for a slot without value.
    std::function<std::vector<std::array<int, 2>>(int group, int board)> computeBoard;
    // Counts the unplayed boards of a group, with its report.
    std::function<void(int group)> countUnplayed;
    // The sit-out pair row of a group, 0 when none.
    std::function<int(int group)> detectSitOut;
};

inline constexpr int kNoMatchPointsShown = -10000;

// How a score cell shows a board the sit-out detection marked as not played ('O' or 'S' nobody
// typed): "niet gespeeld", which no one takes for a score.
inline constexpr const char* kGivenNotPlayedText = "n.g.";

// The record holds only the 'O' or 'S' the sit-out detection gave it; nobody typed it.
bool GivenNotPlayed(const TScoreObj& record);
// No score was typed for the record: it is empty or GivenNotPlayed(). The header counts such
// North-South records as missing.
bool AwaitsScore(const TScoreObj& record);

// One row of the entry form: a pair on a board (per board) or a board at a table (per table).
struct EntryRow {
    int Board = 0;
    int PairRow = 0;     // the pair the row stands for (per table: the North-South pair)
    int OpponentRow = 0; // 0: the pair did not play the board, the row's cells are closed
    bool NorthSouth = true;
    bool open() const { return OpponentRow != 0; }
};

// Per board a North-South row's East-West bid cell takes a contract its opponents declared.
inline bool OpponentsDeclare(const EntryRow& row, bool sideBySide, bool eastWestColumn) {
    return !sideBySide && row.NorthSouth && eastWestColumn;
}

// The rules of the score entry form (TScoreForm): which pair meets whom on a board, what a cell
// accepts and stores, and the operations of its buttons. The window shows the rows and forwards
// each key; it keeps no rules of its own.
class ScoreEntry {
public:
    enum class Mode { PerBoard = 1, PerTable = 2 };

    ScoreEntry(Club& club, const ScoreTables& tables, Dialogs& dialogs, ScoreEntryHooks hooks = {});
    virtual ~ScoreEntry() = default;
    ScoreEntry(const ScoreEntry&) = delete;
    ScoreEntry& operator=(const ScoreEntry&) = delete;

    // Takes the current session's schedule and score block and checks them; false (with the
    // message) when the form cannot open. Starts at group 1, board 1, round 1, table 1.
    bool open(Mode mode);

    Mode mode = Mode::PerBoard;
    int group = 1;
    int board = 1; // counted in the session, from 1
    int round = 1;
    int table = 1; // within the group
    bool contractMode = false;
    bool changeEastWest = false; // "Wijzig OW"
    bool turnMode = false;       // "Draai"
    bool dirty = false;
    int lastError = 0;
    int focusRow = 0; // index into rows()

    // The rows on screen.
    virtual std::vector<EntryRow> rows() const;
    // Both sides of a row stand in it with cells of their own (per table, and every row of the
    // individual form); else a row is one pair's.
    virtual bool sideBySide() const { return mode == Mode::PerTable; }
    // The board as numbered on the card, for its vulnerability.
    int boardNumber(int boardInSession) const;
    std::string headerLine() const;
    // "Scores invoeren per spel", "Biedingen invoeren per tafel", ...
    virtual std::string caption() const;
    int helpContext() const { return contractMode ? HelpContext::ContractEntry : HelpContext::ScoreEntry; }
    // The board's vulnerability ("Niemand Kwetsbaar", ...); per table that of the first board.
    std::string vulnerabilityLine() const;
    // " A :  3 = names" of a pair row of the group.
    std::string pairLineOf(int pairRow) const;
    // The pair line of a row, "  Niet gespeeld !" for a pair without opponents on the board.
    virtual std::string pairLine(int row) const;

    // Cell texts of a row; `eastWestColumn` is the column of the East-West side. Per board a row
    // fills the column of its pair's side only.
    std::string scoreText(int row, bool eastWestColumn) const;
    std::string contractText(int row, bool eastWestColumn) const;
    std::string resultText(int row) const;
    // Whether the cell of that column takes typing in the current entry (score or contract).
    bool cellOpen(int row, bool eastWestColumn) const;
    // Whether the score cell of that column takes a typed score.
    bool scoreCellOpen(int row, bool eastWestColumn) const;
    // The column the focus stands in on `row`.
    bool focusColumnEastWest(int row) const;
    // The focus is in the East-West column: per table, and per board in a North-South row's
    // contract cells.
    bool focusEastWest = false;
    // Up and Down: the previous or next row with an open cell, wrapping.
    void moveFocus(int delta);
    // A character typed into a cell. A refused one shows its message and sets the error state;
    // a second refused key clears the state without a message.
    KeyVerdict typeKey(EntryCell cell, char c, const std::string& cellText);
    // F5: asks, then switches between score and contract entry (only with "Contracten
    // gebruiken"); true when it switched.
    bool toggleContractMode();
    // "Contracten gebruiken" is on and the form takes contracts.
    virtual bool contractsUsed() const;

    // Enter in a score cell of row `row` (index into rows()): the typed score of the row's pair's
    // side. With `eastWestColumn` (per table) the cell of the East-West pair.
    bool acceptScore(int row, const std::string& text, bool eastWestColumn = false);
    // Enter in a contract or result cell: a contract declared by the row's pair's side (per table
    // with `eastWestColumn`: by the East-West pair) and its result.
    bool acceptContract(int row, const std::string& contract, const std::string& result,
                        bool eastWestColumn = false);

    // The same for a pair and board of the current group, wherever the screen stands.
    bool acceptScoreFor(int boardInSession, int pairRow, const std::string& text);
    bool acceptContractFor(int boardInSession, int pairRow, const std::string& contract,
                           const std::string& result);

    // Navigation; false when the user stayed because of an error in the last cell.
    bool nextBoard();
    bool previousBoard();
    bool nextGroup();
    bool previousGroup();
    bool nextRound();
    bool previousRound();
    bool goToBoard(int boardInSession);
    // Goes to group `g` when its schedule is there (else the message and false).
    bool selectGroup(int g);

    // "Draai": the prompt, then Enter on a row's North-South score turns the table.
    std::string startTurn();
    bool turn(int row);
    // "Wijzig OW" / "Normaal": the prompt shown while on.
    std::string startChangeEastWest();
    void stopChangeEastWest();
    // "Schoon": empties every record on screen.
    void clear();
    // "Reken": checks the complements, asks when the board was not played everywhere, computes.
    bool compute();
    // The match points shown after "Reken", per row: NZ and OW column texts.
    std::vector<std::array<std::string, 2>> matchPointTexts;

    // "Bewaar": stores the group, counts its unplayed boards, detects the sit-out pair and writes
    // the score file. With `ask` the question "Scores bewaren van groep " comes first.
    bool saveGroup(bool ask);
    // Writes the score file; the file it replaces becomes the backup (".~sc").
    // `failure`: what a failed write says; the plain "Redden van scores mislukt" when none is given.
    bool saveScoreFile(const char* failure = nullptr);
    // "OK": with `ask` the question "Ingevoerde scores bewaren ?"; Yes stores every group as
    // "Bewaar" does and writes the file. No names the boards whose scores would be lost and asks
    // again (Nee the default): Ja throws them away, Nee keeps the form open with them. True when
    // the form may close.
    bool saveAll(bool ask);
    // "groep A spel 1, 3; groep B spel 2": the boards with changes not yet saved, empty for none.
    std::string unsavedBoardsText() const;
    // Closing otherwise: with unsaved changes asks "Score-Bestand nog redden\r gebruik dan <Ok>"
    // (Yes keeps the form open); the form closes having thrown the unsaved changes away.
    bool mayClose();
    // Back to the records as they were when opened or last saved.
    void discard();
    // Records (indices into the session's score block) that someone else stored while the form
    // is open, a table's phone: they count as saved here, so discarding the typing keeps them.
    void adoptRecords(const std::vector<std::size_t>& indices);
    // How often the score file was written since the form opened.
    int saveCount() const { return saveCount_; }
    // The score file was written since the form opened.
    bool savedSinceOpen() const { return savedSinceOpen_; }
    // "TelLijst": false with "Geen spellen gespeeld in Groep: " when the group has no scores.
    bool countList();

    // The record of a pair row on a board of the current group.
    TScoreObj& record(int boardInSession, int pairRow);
    const TScoreObj& record(int boardInSession, int pairRow) const;

protected:
    // The score rows of the group on a board: its active pairs.
    virtual int groupPairs() const;
    // Per table, going past the last table of a round goes on to the next round.
    virtual bool tablesCarryRounds() const { return false; }
    // What "Bewaar" does for group `g` before the file is written; false stops the save.
    virtual bool storeGroup(int g);
    bool refuse(const std::string& message);
    bool storeScore(const EntryRow& row, bool eastWest, const std::string& text);
    // The record of a pair row on a board of group `g`.
    TScoreObj& recordIn(int g, int boardInSession, int pairRow);
    const TScoreObj& recordIn(int g, int boardInSession, int pairRow) const;
    int unplayedTables(int boardInSession) const;
    // The first row with an open cell, after the rows changed.
    void focusFirstOpen();

    Club& club_;
    const ScoreTables& tables_;
    Dialogs& dialogs_;
    std::vector<TScoreObj>* records_ = nullptr;

private:
    bool checkGroup();
    bool groupHasSchedule(int g) const;
    bool leaveCell();
    std::optional<EntryRow> rowFor(int boardInSession, int pairRow) const;
    // Row `row` of rows(), if there is one.
    std::optional<EntryRow> rowAt(int row) const;
    bool storeContract(const EntryRow& row, bool eastWest, const std::string& contract,
                       const std::string& result);
    void complement(TScoreObj& own, int boardInSession, int opponentRow);
    void moveFocusOn();
    void checkComplements(const std::vector<EntryRow>& shown);
    std::string matchPointText(int tenths) const;

    ScoreEntryHooks hooks_;
    bool savedSinceOpen_ = false;
    int saveCount_ = 0;
    bool keyRefused_ = false;
    std::vector<TScoreObj> saved_;
};

// Match points as the M.P. columns show them: tenths / 10 with one decimal for "Ja, 1 dec.", else
// rounded to whole points (halves away from zero), right-aligned in 6 characters; blanks for no
// value.
std::string MatchPointColumnText(int tenths, bool oneDecimal);

} // namespace velk
