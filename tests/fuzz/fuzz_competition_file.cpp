// Any bytes given to the competition file reader: it must never crash, and what it accepts must
// survive a write and a second read unchanged.
#include "core/files/CompetitionFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    CompetitionFileData first;
    if (!ParseCompetitionFile({data, size}, first).ok())
        return 0;

    const TParenObj& header = first.PairList.at(0);
    const std::string name = header.Naam.get();
    const auto bytes = SerializeCompetitionFile(first, first.ConfigRecord.Head, name, header.Indx);
    CompetitionFileData second;
    if (!ParseCompetitionFile(bytes, second).ok())
        std::abort();
    if (SerializeCompetitionFile(second, second.ConfigRecord.Head, name, header.Indx) != bytes)
        std::abort();
    return 0;
}
