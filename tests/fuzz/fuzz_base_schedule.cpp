// Any bytes as a base schedule of either form: the readers must never crash, and what they accept
// must be written back to the very same leading bytes.
#include "core/files/BaseScheduleFile.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto pairs = ParseBaseSchedule(bytes)) {
        const auto written = SerializeBaseSchedule(*pairs);
        if (written.size() > size || !std::equal(written.begin(), written.end(), data))
            std::abort();
    }
    if (const auto players = ParseBaseSchedule1(bytes)) {
        const auto written = SerializeBaseSchedule1(*players);
        if (written.size() > size || written.size() < 10)
            std::abort();
        if (ParseBaseSchedule1(written) != players)
            std::abort();
    }
    return 0;
}
