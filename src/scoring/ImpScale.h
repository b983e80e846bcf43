#pragma once

#include <array>

namespace velk {

// The IMP table of the Laws of Duplicate Bridge: a difference up to threshold i is worth i IMPs.
inline constexpr std::array<int, 24> ImpScale = {10,   40,   80,   120,  160,  210,  260,  310,
                                                 360,  420,  490,  590,  740,  890,  1090, 1290,
                                                 1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};

// The IMPs of a difference in points; the sign of the difference is kept.
int ImpsForDifference(int difference);

} // namespace velk
