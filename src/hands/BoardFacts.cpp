#include "hands/BoardFacts.h"

#include "scoring/Vulnerability.h"

#include <array>

namespace velk {

namespace {

constexpr std::array<std::string_view, 4> kNames = {"None", "NS", "EW", "All"};

} // namespace

int BoardDealer(int board) {
    return ((board - 1) % 4 + 4) % 4;
}

std::string_view PbnVulnerability(int board) {
    return kNames[static_cast<std::size_t>(BoardVulnerability(board) - 1)];
}

int VulnerabilityOfPbnName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name == kNames[i])
            return static_cast<int>(i) + 1;
    // The other spellings PBN allows.
    if (name == "Love" || name == "-")
        return NoneVulnerable;
    if (name == "Both")
        return BothVulnerable;
    return 0;
}

} // namespace velk
