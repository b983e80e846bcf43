#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/ScoreRecord.h"
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

// One row of the entry form: a pair on a board (per board) or a board at a table (per table).
struct EntryRow {
    int Board = 0;
    int PairRow = 0;     // the pair the row stands for (per table: the North-South pair)
    int OpponentRow = 0; // 0: the pair did not play the board, the row's cells are closed
    bool NorthSouth = true;
    bool open() const { return OpponentRow != 0; }
};

// The rules of the score entry form (TScoreForm): which pair meets whom on a board, what a cell
// accepts and stores, and the operations of its buttons. The window shows the rows and forwards
// each key; it keeps no rules of its own.
class ScoreEntry {
public:
    enum class Mode { PerBoard = 1, PerTable = 2 };

    ScoreEntry(Club& club, const ScoreTables& tables, Dialogs& dialogs, ScoreEntryHooks hooks = {});

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
    std::vector<EntryRow> rows() const;
    // The board as numbered on the card, for its vulnerability.
    int boardNumber(int boardInSession) const;
    std::string headerLine() const;

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
    // Writes the score file (a backup of the previous one on the first save after opening).
    bool saveScoreFile();

    // The record of a pair row on a board of the current group.
    TScoreObj& record(int boardInSession, int pairRow);
    const TScoreObj& record(int boardInSession, int pairRow) const;

private:
    int groupPairs() const;
    bool checkGroup();
    bool leaveCell();
    std::optional<EntryRow> rowFor(int boardInSession, int pairRow) const;
    bool refuse(const std::string& message);
    bool storeScore(const EntryRow& row, bool eastWest, const std::string& text);
    bool storeContract(const EntryRow& row, bool eastWest, const std::string& contract,
                       const std::string& result);
    void complement(TScoreObj& own, int boardInSession, int opponentRow);
    void moveFocusOn();
    void checkComplements(const std::vector<EntryRow>& shown);
    int unplayedTables(int boardInSession) const;
    std::string matchPointText(int tenths) const;

    Club& club_;
    const ScoreTables& tables_;
    Dialogs& dialogs_;
    ScoreEntryHooks hooks_;
    std::vector<TScoreObj>* records_ = nullptr;
    bool savedSinceOpen_ = false;
};

// Match points as the M.P. columns show them: tenths / 10, with one decimal for "Ja, 1 dec.",
// right-aligned in 6 characters; blanks for no value.
std::string MatchPointColumnText(int tenths, bool oneDecimal);

} // namespace velk
