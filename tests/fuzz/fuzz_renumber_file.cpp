// Any bytes as a renumbering table: the reader must never crash, and what it accepts must be
// written back to the very same leading bytes.
#include "core/files/RenumberFile.h"

#include <algorithm>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    const auto list = ParseRenumberFile(std::span<const std::uint8_t>(data, size));
    if (!list)
        return 0;
    const auto written = SerializeRenumberFile(*list);
    if (list->empty() || written.size() != list->size() * TReNumOBj::Size || written.size() > size ||
        !std::equal(written.begin(), written.end(), data))
        std::abort();
    return 0;
}
