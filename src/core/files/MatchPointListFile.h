#pragma once

#include "core/ByteCodec.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velk {

// The match points a computation gave the score records of one session, each with the side, code,
// score and flags of its record as they were summed, so the list shows what was summed even after
// the scores change.
//
// On file: "VMP1", then per board of a group a run: group (1 byte, 1..16), board (1 byte, at
// least 1) and the number of pairs n (2 bytes, 1..512), followed by n entries of 9 bytes for the
// pairs 1..n: score (2), direction (1), code (1), flags (1), match points (4), little-endian. The
// runs are in order of group, then board.
struct StoredMatchPoint {
    int Group = 0;
    int Board = 0;
    int Pair = 0;
    std::uint8_t Direction = 0;
    std::uint8_t Code = 0;
    std::int16_t Score = 0;
    std::uint8_t Flags = 0;
    std::int32_t MatchPoints = 0;
    bool operator==(const StoredMatchPoint&) const = default;
};

inline constexpr std::size_t kMatchPointEntrySize = 9;
inline constexpr int kMatchPointListMaxGroups = 16;
inline constexpr int kMatchPointListMaxPairs = 512;

// Builds the file run by run.
class MatchPointListWriter {
public:
    // `entries` and `runs` only size the buffer.
    MatchPointListWriter(std::size_t entries = 0, std::size_t runs = 0);
    // Starts the run of a board; exactly `pairs` entries follow.
    void board(int group, int board, int pairs);
    void entry(std::int16_t score, std::uint8_t direction, std::uint8_t code, std::uint8_t flags,
               std::int32_t matchPoints) {
        std::uint8_t* p = room(kMatchPointEntrySize);
        StoreU16(p, static_cast<std::uint16_t>(score));
        p[2] = direction;
        p[3] = code;
        p[4] = flags;
        StoreU32(p + 5, static_cast<std::uint32_t>(matchPoints));
    }
    // Entries as read, their runs made again (the pairs of a board are consecutive from 1).
    void add(std::span<const StoredMatchPoint> entries);
    std::vector<std::uint8_t> take();

private:
    // The next n bytes to fill; the buffer is sized once when the counts given were right.
    std::uint8_t* room(std::size_t n) {
        if (out_.size() - used_ < n)
            grow(n);
        std::uint8_t* at = out_.data() + used_;
        used_ += n;
        return at;
    }
    void grow(std::size_t n);

    std::vector<std::uint8_t> out_;
    std::size_t used_ = 0;
};

// Every entry in file order, or nothing when the bytes are not such a list (a wrong start, a run
// out of range or out of order, or bytes missing).
std::optional<std::vector<StoredMatchPoint>> ParseMatchPointList(std::span<const std::uint8_t> bytes);

} // namespace velk
