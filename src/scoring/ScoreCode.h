#pragma once

#include <cstdint>

namespace velk {

// A stored score code is its letter minus 64: '@' 0, 'A' 1, ... 'S' 19.
namespace ScoreCode {
enum : std::uint8_t {
    None = 0,             // '@'
    Percentage = 1,       // 'A'
    PercentageOnce = 2,   // 'B': complemented only into an empty record
    Tenths = 3,           // 'C'
    TenthsOnce = 4,       // 'D'
    Normal = 5,           // 'E'
    Fragment1 = 6,        // 'F'
    Fragment2 = 7,        // 'G'
    Fragment3 = 8,        // 'H'
    TenthsI = 9,          // 'I'
    TenthsIOnce = 10,     // 'J'
    Number = 11,          // 'K'
    MatchPointsOnce = 12, // 'L'
    MatchPoints = 13,     // 'M'
    Bridge = 14,          // 'N': a bridge score
    Absent = 15,          // 'O'
    ZeroPercentage = 19,  // 'S'
};
}

constexpr char CodeLetter(int code) {
    return static_cast<char>(code + 64);
}
constexpr std::uint8_t CodeOf(char letter) {
    return static_cast<std::uint8_t>(letter - 64);
}

} // namespace velk
