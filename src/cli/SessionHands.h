#pragma once

#include "cli/OpenCompetition.h"
#include "hands/HandRecord.h"

#include <string>

namespace velk::cli {

// The hand record of the open competition's current session.
struct SessionHands {
    std::string path;
    HandRecord record;

    // Reads it; false with the message on stderr when there is none or it is damaged.
    bool Load(const Club& club);
    // Analyses the boards that have no analysis yet and stores them; false with the message.
    bool AnalyseAndStore();
};

// Opens the file the command names at its --session, only to read it, and with `hands` the
// session's hand record: 0, or the exit status (the message on stderr).
int OpenForHands(OpenCompetition& open, const ArgParser& args, SessionHands* hands = nullptr);
// The session's number of boards; 0 (with the message) when it has none.
int SessionBoardCount(const Club& club);
// The session's board numbers: FirstBoardNumber .. + BoardCount - 1.
int FirstBoard(const Club& club);
// "BC De Troef, zitting 2", the session's date: the head of a new hand record.
HandRecord NewHandRecord(const Club& club);
// Whether the session's hand record may be written: false (with the message) when the file on
// disk is damaged, which is never written over.
bool MayWriteHands(const std::string& path);

} // namespace velk::cli
