#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velk {

// TReNumOBj: one row of a renumbering table, 512 x i16. Row 0 holds the number of session rows
// and the number of pairs; in row z element p - 1 is the pair that takes the place of base pair p
// in session z (0 = not filled).
struct TReNumOBj {
    static constexpr std::size_t Size = 1024;
    static constexpr int MaxPairs = 512;
    std::array<std::int16_t, 512> Pairs{};
    bool operator==(const TReNumOBj&) const = default;
};

} // namespace velk
