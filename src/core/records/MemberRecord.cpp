#include "core/records/MemberRecord.h"

namespace velk {

void TKXLedenOBJ::ReadFrom(ByteReader& in) {
    LidID = in.i16();
    AchterNaam.readFrom(in);
    Voorzetsel.readFrom(in);
    Voorletters.readFrom(in);
    VoorNaam.readFrom(in);
    Adres.readFrom(in);
    PostCode.readFrom(in);
    Plaats.readFrom(in);
    Telefoon.readFrom(in);
    Mobiel.readFrom(in);
    Email.readFrom(in);
    GebDatum.readFrom(in);
    Sexe = in.u8();
    Opmerking.readFrom(in);
    LidNr = in.i16();
}

void TKXLedenOBJ::WriteTo(ByteWriter& out) const {
    out.i16(LidID);
    AchterNaam.writeTo(out);
    Voorzetsel.writeTo(out);
    Voorletters.writeTo(out);
    VoorNaam.writeTo(out);
    Adres.writeTo(out);
    PostCode.writeTo(out);
    Plaats.writeTo(out);
    Telefoon.writeTo(out);
    Mobiel.writeTo(out);
    Email.writeTo(out);
    GebDatum.writeTo(out);
    out.u8(Sexe);
    Opmerking.writeTo(out);
    out.i16(LidNr);
}

} // namespace velk
