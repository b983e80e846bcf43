#pragma once

#include "core/records/Deal.h"
#include "hands/DoubleDummy.h"

#include <optional>
#include <string>
#include <vector>

namespace velk {

// One board of a session's hand record: its deal and, once analysed, its double-dummy table and par.
struct HandBoard {
    int board = 0;
    Deal deal;
    std::optional<BoardAnalysis> analysis;
    bool operator==(const HandBoard&) const = default;
};

// The hands of a session, by board number ascending.
struct HandRecord {
    std::string event; // "BC De Troef, zitting 1"
    std::string date;  // dd-mm-yyyy, as the session has it
    std::vector<HandBoard> boards;
    bool operator==(const HandRecord&) const = default;

    const HandBoard* find(int board) const;
};

// Analyses every board that has no analysis yet: the tables of all of them in one call to the
// solver, then the par of each with its own dealer and vulnerability. Returns how many boards
// were analysed, or -1 (with the reason) when the solver failed; then nothing is changed.
int AnalyseMissing(HandRecord& record, DoubleDummySolver& solver, std::string& problem);

} // namespace velk
