// The four table readers on any bytes; the first byte chooses the table. Whatever a reader accepts
// is then used the way the calculation uses it.
#include "scoring/ContractScore.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreTables.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::span<const std::uint8_t> bytes{data + 1, size - 1};
    switch (data[0] % 4) {
    case 0:
        if (const auto classes = velk::ParseScoreClasses(bytes))
            for (int score = -8000; score <= 8000; score += 10)
                velk::ScoreClassOf(*classes, score);
        break;
    case 1:
        if (velk::ParseArbitralScores(bytes) && bytes.size() != velk::ScoreTables::ArbitralCount * 4)
            std::abort();
        break;
    case 2:
        if (const auto drops = velk::ParseDatumDrops(bytes))
            for (int k = 1; k <= 300; k += 7)
                velk::ButlerDatum(std::vector<int>(static_cast<std::size_t>(k), 420), drops);
        break;
    default: {
        const auto table = velk::ParseContractScores(bytes);
        if (table.size() > velk::ScoreTables::ContractCount)
            std::abort();
        for (const char* contract : {"1K", "3SA", "4HX", "7SAXX", "6R"})
            for (const char* result : {"C", "-13", "+6", "-3"})
                for (int board = 1; board <= 4; ++board)
                    velk::ContractScore(contract, result, board % 2, board, table);
        break;
    }
    }
    return 0;
}
