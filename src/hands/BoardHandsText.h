#pragma once

#include "hands/HandRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A suit of a hand with the Dutch rank letters, from the highest: "A H V B 10 9 2" ("" for a void).
std::string DutchRanks(std::string_view pbnRanks);

// "Spel 1   Gever: Noord   Kwetsbaar: niemand".
std::string BoardTitleLine(int board);

// The four hands in the compass layout, North on top, West and East beside the table, South below,
// each suit on its own line behind its symbol (♠ ♥ ♦ ♣).
std::vector<std::string> HandDiagramLines(const Deal& deal);

// The tricks each declarer takes: a head line "SA ♠ ♥ ♦ ♣" and a line per seat N, O, Z, W.
std::vector<std::string> TricksTableLines(const TricksTable& tricks);

// "Par: 420 (NZ)  4♠ N", the score from North-South's side and the contracts as Dutch players
// write them ("3SA NZ", "5♥X-2 OW").
std::string DutchParLine(const ParResult& par);
std::string DutchParContract(const ParContract& contract);

// Everything shown of a board: its title, the diagram and, once analysed, the tricks and the par.
std::vector<std::string> BoardHandsLines(const HandBoard& board);

} // namespace velk
