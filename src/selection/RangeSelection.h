#pragma once

#include <cstdint>

namespace velk {

// The range chosen in the pair, round or table selection dialog (TParenDlg): pairs, rounds,
// tables or competitions RangeFirst..RangeLast, depending on the report kind that asked.
struct RangeSelection {
    std::int16_t RangeFirst = 1;
    std::int16_t RangeLast = 1;
    std::int16_t RangeGroup = 1; // the group the pairs belong to, where the kind asks for one
    std::int16_t RangeSession = 1;
};

} // namespace velk
