#pragma once

#include "hands/DoubleDummy.h"
#include "hands/SessionHandRecord.h"

#include <string>
#include <vector>

namespace velk {

// What the score entry window shows of the board on screen: its four hands, its double-dummy
// tricks and par, or why there is nothing to show.
class BoardHandsView {
public:
    // Reads the session's hand record, analysing and storing what is not analysed yet.
    void load(const std::string& competitionPath, int session, DoubleDummySolver* solver);
    bool loaded() const { return loaded_; }
    // The session has a hand record to show.
    bool hasHands() const { return hands_.hasBoards(); }

    // The lines of board `board` (its number as the club knows it); one line saying why when the
    // session or the board has no hands.
    std::vector<std::string> lines(int board) const;
    // Set when the record was read but not analysed or stored: shown under the board.
    const std::string& problem() const { return hands_.problem; }

private:
    SessionHandRecord hands_;
    bool loaded_ = false;
};

} // namespace velk
