// The Dealer4 .dlm reader on any bytes; what it reads must be written and read back the same.
#include "core/files/DlmFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<velk::NumberedDeal> boards;
    std::string problem;
    if (!velk::ParseDlmFile({data, size}, boards, problem))
        return 0;
    std::vector<velk::NumberedDeal> again;
    if (!velk::ParseDlmFile(velk::DlmFileBytes(boards), again, problem) || again != boards)
        std::abort();
    return 0;
}
