#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace velk {

// The scores that only a slam gives: per vulnerability (0 not, 1 vulnerable) 9 groups of 3.
// Group i (0-based) is strain class i / 3 (0 minor, 1 major, 2 no trump) with doubling i % 3
// (none, doubled, redoubled); within a group: small slam made, small slam with an overtrick,
// grand slam made.
extern const std::array<std::array<std::int16_t, 27>, 2> SlamScoreTable;

// A score found in the table.
struct SlamHit {
    int strainClass = 0; // 0 minor, 1 major, 2 no trump
    bool grand = false;
    // A score another contract gives too ("Slem mogelijk Dubieus ! ").
    bool doubtful = false;
    // Index into TSLemObj::SlamCounts.
    int kind() const { return strainClass + (grand ? 3 : 0); }
};

// The first entry of the vulnerability's scores equal to `score`.
std::optional<SlamHit> FindSlamScore(int score, bool vulnerable);

} // namespace velk
