#include "hands/Dealing.h"

#include <cerrno>
#include <numeric>
#include <sys/random.h>

namespace velk {

bool SystemRandom::next(std::uint32_t& value) {
    if (left_ == 0) {
        auto* bytes = reinterpret_cast<unsigned char*>(buffer_);
        std::size_t got = 0;
        while (got < sizeof buffer_) {
            const ssize_t n = getrandom(bytes + got, sizeof buffer_ - got, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            got += static_cast<std::size_t>(n);
        }
        left_ = std::size(buffer_);
    }
    value = buffer_[--left_];
    buffer_[left_] = 0; // a value handed out is not kept
    return true;
}

bool SeededRandom::next(std::uint32_t& value) {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    value = static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    return true;
}

bool UniformBelow(RandomSource& random, std::uint32_t bound, std::uint32_t& value) {
    if (bound == 0)
        return false;
    // The largest multiple of bound that fits in 2^32; draws at or above it are rejected.
    const std::uint64_t limit = (std::uint64_t{1} << 32) - ((std::uint64_t{1} << 32) % bound);
    std::uint32_t draw = 0;
    do {
        if (!random.next(draw))
            return false;
    } while (draw >= limit);
    value = draw % bound;
    return true;
}

std::optional<Deal> RandomDeal(RandomSource& random) {
    std::array<int, kCardCount> pack;
    std::iota(pack.begin(), pack.end(), 0);
    for (std::uint32_t i = kCardCount - 1; i > 0; --i) {
        std::uint32_t j = 0;
        if (!UniformBelow(random, i + 1, j))
            return std::nullopt;
        std::swap(pack[i], pack[j]);
    }
    Deal deal;
    for (std::size_t k = 0; k < pack.size(); ++k)
        deal.seatOf[static_cast<std::size_t>(pack[k])] = static_cast<std::uint8_t>(k / kHandSize);
    return deal;
}

std::optional<std::vector<NumberedDeal>> DealBoards(int first, int count, RandomSource& random) {
    std::vector<NumberedDeal> boards;
    for (int i = 0; i < count; ++i) {
        auto deal = RandomDeal(random);
        if (!deal)
            return std::nullopt;
        boards.push_back({first + i, *deal});
    }
    return boards;
}

} // namespace velk
