#pragma once

#include "core/records/Deal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velk {

// Where the dealing's randomness comes from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly random 32-bit number; false when the source has none to give.
    virtual bool next(std::uint32_t& value) = 0;
};

// The operating system's cryptographic generator (getrandom), read in blocks.
class SystemRandom final : public RandomSource {
public:
    bool next(std::uint32_t& value) override;

private:
    std::uint32_t buffer_[64]{};
    std::size_t left_ = 0;
};

// A fixed sequence from a seed (SplitMix64), for reproducible tests only: never for a real
// session, whose deals must not be foreseeable.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    bool next(std::uint32_t& value) override;

private:
    std::uint64_t state_;
};

// A number from 0 to bound - 1, every one equally likely: draws that would favour the low
// numbers are thrown away. False when the source failed.
bool UniformBelow(RandomSource& random, std::uint32_t bound, std::uint32_t& value);

// One deal, every one of the possible deals equally likely: the pack shuffled by Fisher-Yates and
// dealt 13 cards a seat.
std::optional<Deal> RandomDeal(RandomSource& random);

// Deals boards first .. first + count - 1.
std::optional<std::vector<NumberedDeal>> DealBoards(int first, int count, RandomSource& random);

} // namespace velk
