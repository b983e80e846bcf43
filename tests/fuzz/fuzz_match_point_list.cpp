// The stored match-point list on any bytes: read or refused, and what is read writes back the same.
#include "core/files/MatchPointListFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto entries = velk::ParseMatchPointList({data, size});
    if (!entries)
        return 0;
    velk::MatchPointListWriter writer;
    writer.add(*entries);
    if (writer.take() != std::vector<std::uint8_t>(data, data + size))
        std::abort();
    return 0;
}
