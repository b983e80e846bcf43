#include "core/records/ConfigRecord.h"

namespace velk {

void CompetitionHead::ReadFrom(ByteReader& in) {
    CompetitionName.readFrom(in);
    PairCount = in.i16();
    GroupCount = in.i16();
    SessionsPerCompetition = in.i16();
    TableCount = in.i16();
    MaxPctOneSub = in.f64();
    MaxPctTwoSubs = in.f64();
    ScoringMode = in.u16();
    NeubergMode = in.u16();
    CalcMethod = in.u16();
    ConfigFlags = in.u16();
    CompetitionsPerSeason = in.i16();
}

void CompetitionHead::WriteTo(ByteWriter& out) const {
    CompetitionName.writeTo(out);
    out.i16(PairCount);
    out.i16(GroupCount);
    out.i16(SessionsPerCompetition);
    out.i16(TableCount);
    out.f64(MaxPctOneSub);
    out.f64(MaxPctTwoSubs);
    out.u16(ScoringMode);
    out.u16(NeubergMode);
    out.u16(CalcMethod);
    out.u16(ConfigFlags);
    out.i16(CompetitionsPerSeason);
}

void TConfigObj::ReadFrom(ByteReader& in) {
    Head.ReadFrom(in);
    ScreenFontName.readFrom(in);
    FontSizes = in.u16();
    LeftMargin = in.u16();
    TopMargin = in.u16();
    BottomMargin = in.u16();
    LineHeight = in.u16();
    LinesPerPage = in.u16();
    PrinterIndex = in.u16();
    for (auto& line : PersonalData)
        line.readFrom(in);
    in.bytes(Reserved279.data(), Reserved279.size());
    PrinterFontName.readFrom(in);
    OptionFlags = in.u16();
    Reserved347 = in.i16();
    for (auto& v : PromotionsUp)
        v = in.i16();
    for (auto& v : Degradations)
        v = in.i16();
    for (auto& v : GroupBonus)
        v = in.i16();
}

void TConfigObj::WriteTo(ByteWriter& out) const {
    Head.WriteTo(out);
    ScreenFontName.writeTo(out);
    out.u16(FontSizes);
    out.u16(LeftMargin);
    out.u16(TopMargin);
    out.u16(BottomMargin);
    out.u16(LineHeight);
    out.u16(LinesPerPage);
    out.u16(PrinterIndex);
    for (const auto& line : PersonalData)
        line.writeTo(out);
    out.bytes(Reserved279.data(), Reserved279.size());
    PrinterFontName.writeTo(out);
    out.u16(OptionFlags);
    out.i16(Reserved347);
    for (auto v : PromotionsUp)
        out.i16(v);
    for (auto v : Degradations)
        out.i16(v);
    for (auto v : GroupBonus)
        out.i16(v);
}

void SlamBonusBlock::ReadFrom(ByteReader& in) {
    for (auto& v : Values)
        v = in.i16();
}

void SlamBonusBlock::WriteTo(ByteWriter& out) const {
    for (auto v : Values)
        out.i16(v);
}

} // namespace velk
