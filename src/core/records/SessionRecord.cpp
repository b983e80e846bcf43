#include "core/records/SessionRecord.h"

namespace velk {

void TCalcObj::ReadFrom(ByteReader& in) {
    ClubNr = in.i16();
    Substitutes = in.i16();
    Points = in.f32();
    Percentage = in.f32();
    Correction = in.f32();
    CompetitionTotal = in.f32();
    Status = in.i8();
    BoardsPlayed = in.u8();
    SessionRank = in.i16();
    CompetitionRank = in.i16();
}

void TCalcObj::WriteTo(ByteWriter& out) const {
    out.i16(ClubNr);
    out.i16(Substitutes);
    out.f32(Points);
    out.f32(Percentage);
    out.f32(Correction);
    out.f32(CompetitionTotal);
    out.i8(Status);
    out.u8(BoardsPlayed);
    out.i16(SessionRank);
    out.i16(CompetitionRank);
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
