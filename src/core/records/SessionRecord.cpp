#include "core/records/SessionRecord.h"

namespace velk {

void TCalcObj::ReadFrom(ByteReader& in) {
    // A row per pair and session: a whole one is taken in place; a short one reads as zeros, the
    // reader failed.
    static constexpr std::uint8_t kNone[Size] = {};
    const std::uint8_t* found = in.next(Size);
    const std::uint8_t* p = found ? found : kNone;
    ClubNr = static_cast<std::int16_t>(LoadU16(p));
    Substitutes = static_cast<std::int16_t>(LoadU16(p + 2));
    Points = std::bit_cast<float>(LoadU32(p + 4));
    Percentage = std::bit_cast<float>(LoadU32(p + 8));
    Correction = std::bit_cast<float>(LoadU32(p + 12));
    CompetitionTotal = std::bit_cast<float>(LoadU32(p + 16));
    Status = static_cast<std::int8_t>(p[20]);
    BoardsPlayed = p[21];
    SessionRank = static_cast<std::int16_t>(LoadU16(p + 22));
    CompetitionRank = static_cast<std::int16_t>(LoadU16(p + 24));
}

void TCalcObj::WriteTo(ByteWriter& out) const {
    // A session holds a row per pair: the row is put together whole and appended at once.
    std::uint8_t b[Size];
    StoreU16(b, static_cast<std::uint16_t>(ClubNr));
    StoreU16(b + 2, static_cast<std::uint16_t>(Substitutes));
    StoreU32(b + 4, std::bit_cast<std::uint32_t>(Points));
    StoreU32(b + 8, std::bit_cast<std::uint32_t>(Percentage));
    StoreU32(b + 12, std::bit_cast<std::uint32_t>(Correction));
    StoreU32(b + 16, std::bit_cast<std::uint32_t>(CompetitionTotal));
    b[20] = static_cast<std::uint8_t>(Status);
    b[21] = BoardsPlayed;
    StoreU16(b + 22, static_cast<std::uint16_t>(SessionRank));
    StoreU16(b + 24, static_cast<std::uint16_t>(CompetitionRank));
    out.bytes(b, Size);
}

void TZitCalcObj::ReadFrom(ByteReader& in) {
    CompetitionNr = in.i16();
    SessionNr = in.i16();
    BoardCount = in.i16();
    RoundCount = in.i16();
    BoardGroupCount = in.i16();
    FirstBoardNumber = in.u8();
    BoardsPerRound = in.u8();
    TablesPerGroup = in.i16();
    PairsPerGroup = in.i16();
    SessionDate.readFrom(in);
    for (auto& v : GroupPairs)
        v = in.i16();
    TwoLines = in.i16();
    in.bytes(Options.data(), Options.size());
    for (auto& v : GroupTables)
        v = in.i16();
}

void TZitCalcObj::WriteTo(ByteWriter& out) const {
    out.i16(CompetitionNr);
    out.i16(SessionNr);
    out.i16(BoardCount);
    out.i16(RoundCount);
    out.i16(BoardGroupCount);
    out.u8(FirstBoardNumber);
    out.u8(BoardsPerRound);
    out.i16(TablesPerGroup);
    out.i16(PairsPerGroup);
    SessionDate.writeTo(out);
    for (auto v : GroupPairs)
        out.i16(v);
    out.i16(TwoLines);
    out.bytes(Options.data(), Options.size());
    for (auto v : GroupTables)
        out.i16(v);
}

} // namespace velk
