#pragma once

#include "core/records/ContractScoreRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velk {

// A contract with its result, converted.
struct ContractConversion {
    std::int16_t Score = 0; // for the declaring side
    char Code = '@';
    int Error = 0;        // ConversionError
    std::string Contract; // the contract as it goes back into the entry cell (3A becomes 3SA)
};

// Converts a contract ("4HX", "3A", "PAS", ...) and its result ("C", "-2", "+1") declared by
// `side` on `board` into the declaring side's duplicate score, using the contract table.
ContractConversion ContractScore(std::string_view contract, std::string_view result, int side, int board,
                                 std::span<const TContrScrOBJ> contractTable);

} // namespace velk
