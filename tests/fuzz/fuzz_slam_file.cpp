// The slam file reader on any bytes; the first two bytes choose the competition's shape.
#include "core/files/SlamFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    velk::ScoreFileShape shape;
    shape.PairCount = data[0] % 33;
    shape.BoardCounts.assign(data[1] % 4, 1);
    std::vector<velk::TZitSlemObj> blocks;
    if (velk::ParseSlamFile({data + 2, size - 2}, shape, blocks) != 0)
        return 0;
    const auto bytes = velk::SerializeSlamFile(blocks, shape.PairCount);
    std::vector<velk::TZitSlemObj> again;
    if (velk::ParseSlamFile(bytes, shape, again) != 0 || again != blocks)
        std::abort();
    return 0;
}
