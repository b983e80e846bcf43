// The PBN hand record reader on any text; what it reads must be written and read back the same.
#include "hands/PbnHandRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velk::HandRecord record;
    std::string problem;
    if (!velk::ParsePbnHandRecord({reinterpret_cast<const char*>(data), size}, true, record, problem))
        return 0;
    velk::HandRecord again;
    if (!velk::ParsePbnHandRecord(velk::PbnHandRecordText(record), true, again, problem) ||
        again.boards != record.boards)
        std::abort();
    return 0;
}
