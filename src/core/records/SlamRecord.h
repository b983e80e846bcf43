#pragma once

#include "core/ByteCodec.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velk {

// Order of TSLemObj::SlamCounts.
enum SlamKind : int {
    SmallSlamMinor = 0,
    SmallSlamMajor = 1,
    SmallSlamNoTrump = 2,
    GrandSlamMinor = 3,
    GrandSlamMajor = 4,
    GrandSlamNoTrump = 5,
};

// TSLemObj: one pair's slams in one session, 18 bytes.
struct TSLemObj {
    static constexpr std::size_t Size = 18;

    std::array<std::int16_t, 6> SlamCounts{}; //  0 (12): by SlamKind
    std::array<std::uint8_t, 6> Reserved{};   // 12 (6): kept as read, zero in new records

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TSLemObj&) const = default;
};

// TZitSlemObj: the slam block of one session, a 4-byte head owning PairCount + 1 records.
struct TZitSlemObj {
    static constexpr std::size_t Size = 4;
    static constexpr std::int16_t NeverCounted = -1;

    std::int16_t SessionIndex = 0;         // 0
    std::int16_t SlamTotal = NeverCounted; // 2: slams found in the session

    // Record 0 belongs to no pair, record p to pair p. Not part of the head.
    std::vector<TSLemObj> Records;

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TZitSlemObj&) const = default;
};

// A fresh block: slams never counted, every counter 0.
TZitSlemObj NewSlamBlock(int sessionNumber, int pairCount);

} // namespace velk
