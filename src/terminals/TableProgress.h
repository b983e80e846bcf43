#pragma once

#include "terminals/TableTerminals.h"

#include <string>
#include <vector>

namespace velk::terminals {

// Where a table of the evening stands, as the tables window lists it.
struct TableProgress {
    std::string label;
    std::string pin;
    int round = 1; // the round it enters; past the last round when it is done
    bool done = false;
    int entered = 0; // boards with a score
    int total = 0;   // boards it plays this session
    bool behind = false;
};

// Every table of the session. A table is behind when at least half of all tables are in a later
// round: the first table to finish a round makes no one late.
std::vector<TableProgress> ProgressOf(TableTerminals& terminals, int roundCount);
// "Achter: A3 (ronde 2), B1 (ronde 2)", empty when no table is behind.
std::string BehindText(const std::vector<TableProgress>& tables);
// "2" for a table in round 2, "klaar" for one that entered every round.
std::string RoundText(const TableProgress& table);

} // namespace velk::terminals
