// The Duplimate .dup reader on any bytes; what it reads must be written and read back the same.
#include "core/files/DupFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<velk::NumberedDeal> boards;
    std::string problem;
    if (!velk::ParseDupFile({data, size}, boards, problem))
        return 0;
    std::vector<velk::NumberedDeal> again;
    if (!velk::ParseDupFile(velk::DupFileBytes(boards), again, problem) || again.size() != boards.size())
        std::abort();
    for (std::size_t i = 0; i < boards.size(); ++i)
        if (again[i].deal != boards[i].deal)
            std::abort();
    return 0;
}
