#include "core/records/SlamRecord.h"

namespace velk {

void TSLemObj::ReadFrom(ByteReader& in) {
    for (auto& count : SlamCounts)
        count = in.i16();
    in.bytes(Reserved.data(), Reserved.size());
}

void TSLemObj::WriteTo(ByteWriter& out) const {
    for (auto count : SlamCounts)
        out.i16(count);
    out.bytes(Reserved.data(), Reserved.size());
}

void TZitSlemObj::ReadFrom(ByteReader& in) {
    SessionIndex = in.i16();
    SlamTotal = in.i16();
}

void TZitSlemObj::WriteTo(ByteWriter& out) const {
    out.i16(SessionIndex);
    out.i16(SlamTotal);
}

TZitSlemObj NewSlamBlock(int sessionNumber, int pairCount) {
    TZitSlemObj block;
    block.SessionIndex = static_cast<std::int16_t>(sessionNumber);
    block.Records.resize(static_cast<std::size_t>(pairCount) + 1);
    return block;
}

} // namespace velk
