#pragma once

namespace velk {

// Error codes of the score conversions, as the entry form looks them up in its message tables.
namespace ConversionError {
enum : int {
    None = 0,
    NotANumber = 1,      // typed score not a whole number
    NotADecimal = 2,     // match points not a decimal number (typed score)
    ContractUnknown = 2, // contract unknown or incomplete (contract)
    ContractStart = 3,   // first character of a contract not allowed
    ResultWrong = 11,    // result missing, not a number, or more tricks than a hand holds
    NotPossible = 13,    // not a possible score
    FixedOutOfRange = 14 // a fixed value the match-point calculation cannot hold
};
}

} // namespace velk
