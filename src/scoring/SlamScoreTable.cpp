#include "scoring/SlamScoreTable.h"

namespace velk {

// Duplicate scores of 6 and 7 level contracts made, by the published scoring table.
const std::array<std::array<std::int16_t, 27>, 2> SlamScoreTable = {{
    {920, 940,  1440, 1090, 1190, 1630, 1380, 1580, 1960,   // minor
     980, 1010, 1510, 1210, 1310, 1770, 1620, 1820, 2240,   // major
     990, 1020, 1520, 1230, 1330, 1790, 1660, 1860, 2280},  // no trump
    {1370, 1390, 2140, 1540, 1740, 2330, 1830, 2230, 2660,  // minor
     1430, 1460, 2210, 1660, 1860, 2470, 2070, 2470, 2940,  // major
     1440, 1470, 2220, 1680, 1880, 2490, 2110, 2510, 2980}, // no trump
}};

namespace {

// The entries that a contract below slam can give as well.
bool Doubtful(int vulnerable, int entry) {
    if (vulnerable == 0)
        return entry == 3 || entry == 18 || entry == 21; // 1090, 990, 1230
    return entry == 9;                                   // 1430
}

} // namespace

std::optional<SlamHit> FindSlamScore(int score, bool vulnerable) {
    const int v = vulnerable ? 1 : 0;
    const auto& scores = SlamScoreTable[static_cast<std::size_t>(v)];
    for (int i = 0; i < 27; ++i) {
        if (scores[static_cast<std::size_t>(i)] != score)
            continue;
        SlamHit hit;
        hit.strainClass = i / 9;
        hit.grand = i % 3 == 2;
        hit.doubtful = Doubtful(v, i);
        return hit;
    }
    return std::nullopt;
}

} // namespace velk
