#pragma once

#include <string>
#include <string_view>

namespace velk {

// The dealer of a board by the usual cycle: board 1 North, 2 East, 3 South, 4 West, 5 North ...
int BoardDealer(int board);

// The board's vulnerability as the hand records name it: "None", "NS", "EW" or "All", by the
// same 16-board cycle as the scores.
std::string_view PbnVulnerability(int board);

// The vulnerability (1 none, 2 North-South, 3 East-West, 4 both) of a PBN name; 0 for none of them.
int VulnerabilityOfPbnName(std::string_view name);

} // namespace velk
