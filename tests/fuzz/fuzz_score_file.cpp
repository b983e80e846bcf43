// The score file reader on any bytes; the first three bytes choose the competition's shape. Every
// record read is also converted and shown as the score form would.
#include "core/files/ScoreFile.h"
#include "scoring/ContractScore.h"
#include "scoring/ScoreFormat.h"
#include "scoring/TypedScore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    velk::ScoreFileShape shape;
    shape.PairCount = data[0] % 33;
    shape.BoardCounts.assign(data[1] % 4, data[2] % 9);
    std::vector<velk::TZitScoreObj> blocks;
    if (!velk::ParseScoreFile({data + 3, size - 3}, shape, blocks).ok())
        return 0;
    for (const auto& block : blocks)
        for (const auto& record : block.Records) {
            velk::FormatScore(record, true, true);
            velk::ParseTypedScore(record.Contract.get());
            velk::ContractScore(record.Contract.get(), record.Result.get(), record.Direction & 1, record.Code,
                                {});
        }
    // What was read is written back whole and reads again. (Contracts may change once more on the
    // second read: only the first two dashes of a text become "=" each time.)
    const auto bytes = velk::SerializeScoreFile(blocks, shape.PairCount);
    std::vector<velk::TZitScoreObj> again;
    if (!velk::ParseScoreFile(bytes, shape, again).ok() || again.size() != blocks.size())
        std::abort();
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (again[i].Records.size() != blocks[i].Records.size() ||
            again[i].BoardsInList != blocks[i].BoardsInList)
            std::abort();
    return 0;
}
