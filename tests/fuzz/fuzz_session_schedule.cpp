// Any bytes as a ".sma" file; the first three bytes choose tables, sessions and form. Every
// session read must be written back to the bytes it came from.
#include "core/files/SessionScheduleFile.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    if (size < 3)
        return 0;
    const int tables = data[0];
    const int sessions = data[1] % 13;
    const bool individual = (data[2] & 1) != 0;
    const std::span<const std::uint8_t> bytes(data + 3, size - 3);
    const auto parsed = ParseSessionScheduleFile(bytes, tables, sessions, individual);
    if (!parsed.LabelsRead)
        return 0;
    if (parsed.Sessions.size() != static_cast<std::size_t>(sessions))
        std::abort();
    // When every session was taken whole, the file is exactly what the writer makes of it.
    std::vector<TZitSchemaObj> all;
    for (const auto& s : parsed.Sessions) {
        if (!s)
            return 0;
        all.push_back(*s);
    }
    const auto written = SerializeSessionSchedules(parsed.TableLabels, all, tables);
    if (written.size() > bytes.size() || !std::equal(written.begin(), written.end(), bytes.begin()))
        std::abort();
    return 0;
}
