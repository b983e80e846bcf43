#include "core/records/ScoreRecord.h"

namespace velk {

void TScoreObj::ReadFrom(ByteReader& in) {
    // A session holds thousands of records: a whole one is taken in place; a short one reads as
    // zeros, the reader failed.
    static constexpr std::uint8_t kNone[Size] = {};
    const std::uint8_t* p = in.next(Size);
    ReadFrom(p ? p : kNone);
}

void TScoreObj::WriteTo(ByteWriter& out) const {
    Contract.writeTo(out);
    Result.writeTo(out);
    out.i16(Score);
    out.u8(Direction);
    out.u8(Code);
    out.u8(Flags);
}

void TZitScoreObj::ReadFrom(ByteReader& in) {
    BoardsInList = in.i16();
    SessionIndex = in.i16();
}

void TZitScoreObj::WriteTo(ByteWriter& out) const {
    out.i16(BoardsInList);
    out.i16(SessionIndex);
}

TZitScoreObj NewScoreBlock(int sessionNumber, int boardCount, int pairCount) {
    TZitScoreObj block;
    block.BoardsInList = static_cast<std::int16_t>(boardCount);
    block.SessionIndex = static_cast<std::int16_t>(sessionNumber);
    block.Records.resize(static_cast<std::size_t>(pairCount) * static_cast<std::size_t>(boardCount) + 1);
    return block;
}

} // namespace velk
