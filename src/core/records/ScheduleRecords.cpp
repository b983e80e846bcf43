#include "core/records/ScheduleRecords.h"

namespace velk {

void TTafelObj::ReadFrom(ByteReader& in) {
    TableNr = in.i16();
    Label.readFrom(in);
}

void TTafelObj::WriteTo(ByteWriter& out) const {
    out.i16(TableNr);
    Label.writeTo(out);
}

void TSchemaObj::ReadFrom(ByteReader& in) {
    Table = in.i16();
    NS = in.i16();
    EW = in.i16();
    Letter = in.u8();
}

void TSchemaObj::WriteTo(ByteWriter& out) const {
    out.i16(Table);
    out.i16(NS);
    out.i16(EW);
    out.u8(Letter);
}

void TSchemaObj1::ReadFrom(ByteReader& in) {
    Table = in.i16();
    N = in.i16();
    Z = in.i16();
    O = in.i16();
    W = in.i16();
    Letter = in.u8();
}

void TSchemaObj1::WriteTo(ByteWriter& out) const {
    out.i16(Table);
    out.i16(N);
    out.i16(Z);
    out.i16(O);
    out.i16(W);
    out.u8(Letter);
}

void TZitSchemaObj::ReadFrom(ByteReader& in) {
    for (auto& name : BaseScheduleNames)
        name.readFrom(in);
    Form = in.u8();
    PairCount = in.i16();
    GroupCount = in.i16();
    SessionNr = in.i16();
    RoundCount = in.i16();
    Valid = in.u8();
}

void TZitSchemaObj::WriteTo(ByteWriter& out) const {
    for (const auto& name : BaseScheduleNames)
        name.writeTo(out);
    out.u8(Form);
    out.i16(PairCount);
    out.i16(GroupCount);
    out.i16(SessionNr);
    out.i16(RoundCount);
    out.u8(Valid);
}

} // namespace velk
