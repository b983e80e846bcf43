#include "core/records/ContractScoreRecord.h"

namespace velk {

void TContrScrOBJ::ReadFrom(ByteReader& in) {
    Name.readFrom(in);
    for (auto& score : Scores)
        score = in.i16();
}

void TContrScrOBJ::WriteTo(ByteWriter& out) const {
    Name.writeTo(out);
    for (auto score : Scores)
        out.i16(score);
}

} // namespace velk
