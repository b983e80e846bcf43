#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/ScoreRecord.h"
#include "members/AccessTable.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// The table of the other program's session database.
inline constexpr const char* kSessionTable = "SpelTabel";

// The serial number in a session file's name: the two characters before ".ses", without a
// leading "c" or "z" ("c7.ses" is 7, "c12.ses" 12). Nothing when they are no number.
std::optional<int> SessionSerialNumber(const std::string& path);

// Competition and session of serial number `serial` with `sessionsPerCompetition` sessions each.
struct CompetitionSession {
    int competition = 0;
    int session = 0;
};
CompetitionSession SplitSessionSerial(int serial, int sessionsPerCompetition);

// The columns a row is converted from, found by name; -1 where absent.
struct SpelColumns {
    int contract = -1, result = -1, direction = -1, normal = -1, score = -1, arbitral = -1, turned = -1;
    int line = -1, board = -1, pair = -1;
    explicit SpelColumns(const AccessTable& table);
    bool complete() const;
};

// One row as a score record; false when it cannot be converted.
bool ConvertSpelRow(const AccessTable& table, std::size_t row, const SpelColumns& columns, TScoreObj& out);

// Taking a session's results over from a "SpelTabel" into the score list of the open session.
class SessionScoreImport {
public:
    SessionScoreImport(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {}

    // The table read from `path`: reports it, takes the competition and session from the file
    // name and asks about a difference with the open competition. False when nothing can follow.
    bool takeTable(const std::string& path, AccessRead status, AccessTable table);
    int competition() const { return numbers_.competition; }
    int session() const { return numbers_.session; }
    const AccessTable& table() const { return table_; }
    // "Kopieer Scores": every row placed by its line, board and pair into the session's score
    // block, all or nothing. The caller saves the files.
    bool copyScores();

private:
    bool refuse(const std::string& text);

    Club& club_;
    Dialogs& dialogs_;
    AccessTable table_;
    CompetitionSession numbers_;
    bool ready_ = false;
};

} // namespace velk
