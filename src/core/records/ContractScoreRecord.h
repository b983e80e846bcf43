#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <array>
#include <cstdint>

namespace velk {

// Index into TContrScrOBJ::Scores: doubling (0 undoubled, 1 doubled, 2 redoubled), plus 3 when
// the declarer is vulnerable.
inline constexpr int kVulnerableOffset = 3;

// TContrScrOBJ: the scores of one contract made exactly, a record of ContractScors.dab, 23 bytes.
struct TContrScrOBJ {
    static constexpr std::size_t Size = 23;

    ShortString<10> Name;                 //  0 (11): "1K" ... "7SA"
    std::array<std::int16_t, 6> Scores{}; // 11 (12): by doubling index

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TContrScrOBJ&) const = default;
};

} // namespace velk
