#pragma once

#include "core/records/Deal.h"

#include <array>
#include <string>
#include <vector>

namespace velk {

// Strains in the solver's order: the four suits as Suit numbers them, then no trump.
enum Strain : int { NoTrump = 4 };
inline constexpr int kStrainCount = 5;

// The tricks each declarer takes in each strain with every card in view.
struct TricksTable {
    std::array<std::array<int, kStrainCount>, 4> tricks{}; // [declarer seat][strain]
    int at(int seat, int strain) const {
        return tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)];
    }
    bool operator==(const TricksTable&) const = default;
};

// Who declares a par contract: a seat, or either hand of a side.
enum ParSeats : int { ParNorthSouth = 4, ParEastWest = 5 };

struct ParContract {
    int level = 1;        // 1-7
    int strain = NoTrump; // Strain
    int seats = North;    // Seat or ParSeats
    int overTricks = 0;   // made with tricks to spare
    int underTricks = 0;  // a sacrifice, doubled, this many down
    bool operator==(const ParContract&) const = default;
};

// The par of a board: its score from North-South's side and the contracts that give it.
struct ParResult {
    int score = 0;
    std::vector<ParContract> contracts;
    bool operator==(const ParResult&) const = default;
};

struct BoardAnalysis {
    TricksTable tricks;
    ParResult par;
    bool operator==(const BoardAnalysis&) const = default;
};

// "4S N", "3NT NS", "5HX-2 EW", "4H+1 S": a par contract as the lists and the command line show it.
std::string ParContractText(const ParContract& contract);
// The same text read back; false when it is none.
bool ParseParContract(std::string_view text, ParContract& contract);
// "NT", "S", "H", "D", "C".
std::string_view StrainName(int strain);

// The solver behind the analysis, so the rest can be tested without solving.
class DoubleDummySolver {
public:
    virtual ~DoubleDummySolver() = default;
    // The tables of `deals`, in their order; false with the reason in Dutch.
    virtual bool solve(const std::vector<Deal>& deals, std::vector<TricksTable>& tables,
                       std::string& problem) = 0;
    // The par of a board from its table, dealer (Seat) and vulnerability (1 none, 2 North-South,
    // 3 East-West, 4 both), the dealer's side bidding first.
    virtual bool par(const TricksTable& table, int dealer, int vulnerability, ParResult& result,
                     std::string& problem) = 0;
};

} // namespace velk
