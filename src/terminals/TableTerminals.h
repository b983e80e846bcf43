#pragma once

#include "club/Club.h"
#include "core/SilentDialogs.h"
#include "core/files/LeadFile.h"
#include "scoring/ScoreEntryCalculation.h"
#include "scoring/ScoreTables.h"
#include "terminals/EntryJournal.h"
#include "terminals/TableRequest.h"
#include "terminals/WrongPinLimit.h"

#include <chrono>
#include <string>
#include <vector>

namespace velk::terminals {

// What the score entry says while no one watches: its last message is the phone's answer, every
// question is answered Nee.
class MessageCatcher final : public SilentDialogs {
public:
    int messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int help) override {
        last = text;
        return SilentDialogs::messageBox(text, kind, buttons, help);
    }
    std::string last;
};

struct TableRequestIn {
    std::string method; // "GET" or "PUT"
    std::string path;
    std::string pin; // the X-Velk-Pin header, empty when absent
    std::string body;
    std::string client; // the remote address, for the wrong-PIN limit
};

struct TableResponse {
    int status = 200;
    std::string body; // JSON
};

// A table of the session as the phones see it.
struct TerminalTable {
    std::string label; // "A1"
    int group = 1;
    int table = 1; // within the group
    std::string pin;
};

// The table server's rules, without a socket: which phone may read and write which boards,
// and every entry through the score entry model the score window uses, journalled before it is
// confirmed. Not thread-safe; the server calls it under one lock.
class TableTerminals {
public:
    using Clock = WrongPinLimit::Clock;

    // Over the open competition's current session; `journal` beside it. Check ready() after.
    TableTerminals(Club& club, const ScoreTables& tables, std::string journalPath);

    // False with problem() when the session cannot be served (no schedule, no score block, an
    // individual competition).
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    // Gives every table a fresh PIN.
    void issuePins();
    // Gives the table `label` this PIN, as kept for the session; false when there is no such table.
    bool setPin(const std::string& label, const std::string& pin);
    const std::vector<TerminalTable>& tables() const { return tables_; }

    TableResponse handle(const TableRequestIn& request, Clock::time_point now);

    // Puts back the journal's entries not yet in the score file; the number restored, -1 (with
    // problem()) when the journal cannot be read.
    int restore();
    // Entries accepted since the last save.
    bool unsaved() const { return unsaved_; }
    // Writes the score file through the score entry's safe save, then the leads file, then empties
    // the journal.
    bool save();
    // The card led at each table and board, as accepted, restored and kept beside the competition.
    const std::vector<KeptLead>& leads() const { return leads_; }
    // Said when the kept leads file was damaged and set aside; empty otherwise.
    const std::string& leadNotice() const { return leadNotice_; }
    // The last message of the score entry (a failed save says why).
    const std::string& lastMessage() const { return dialogs_.last; }

    // Where a table stands: the first round with a board still to be entered (past the last
    // round when all are in), and whether the round before it may still be corrected.
    int currentRound(const TerminalTable& t);
    // The boards of the table's rounds that have a score, and how many it plays this session.
    int boardsEntered(const TerminalTable& t, int& total);
    // The score file was written by someone else with every accepted entry in it (the score
    // window): the journal is emptied; false when it could not be.
    bool savedElsewhere();

private:
    struct Seat {
        int nsRow = 0;
        int ewRow = 0;
        std::vector<int> boards; // ordinals in the session
    };
    std::optional<Seat> seatOf(const TerminalTable& t, int round) const;
    bool entered(const TerminalTable& t, int board, int nsRow);
    bool roundStarted(const TerminalTable& t, int round);
    std::vector<int> writableRounds(const TerminalTable& t);
    TerminalTable* findTable(const std::string& label);
    TableResponse tableList() const;
    TableResponse tableInfo(TerminalTable& t);
    TableResponse roundInfo(TerminalTable& t, int round);
    TableResponse enterBoard(TerminalTable& t, int boardNumber, const std::string& body);
    // Stores one entry through the score entry; false with `message` when it refused.
    bool apply(const TerminalTable& t, int board, const Seat& seat, const BoardBody& body,
               std::string& message);
    int firstBoardNumber() const;
    // The lead an entry gives the table's board: none for a score or a contract without one.
    std::string leadOf(const BoardBody& body) const;
    KeptLead leadAt(const TerminalTable& t, int board, const Seat& seat, const BoardBody& body) const;

    Club& club_;
    MessageCatcher dialogs_;
    SessionScoreEntry scoring_;
    EntryJournal journal_;
    WrongPinLimit limit_;
    std::vector<TerminalTable> tables_;
    std::string problem_;
    bool unsaved_ = false;
    LeadFile leadFile_;
    std::vector<KeptLead> leads_;
    std::string leadNotice_;
};

} // namespace velk::terminals
