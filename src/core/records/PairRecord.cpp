#include "core/records/PairRecord.h"

#include "core/TextEncoding.h"

namespace velk {

char GroupLetter(int group) {
    if (group < 0 || group >= static_cast<int>(sizeof(GroupLetters) - 1))
        return ' ';
    return GroupLetters[group];
}

void TParenObj::ReadFrom(ByteReader& in) {
    Indx = in.i16();
    ClubNr = in.i16();
    Groep = in.u8();
    GrpNr = in.i16();
    Naam.readFrom(in);
    Rang = in.i16();
}

void TParenObj::WriteTo(ByteWriter& out) const {
    out.i16(Indx);
    out.i16(ClubNr);
    out.u8(Groep);
    out.i16(GrpNr);
    Naam.writeTo(out);
    out.i16(Rang);
}

TParenObj MakeHeaderRecord(int year, const std::string& fileName, bool isCompetition) {
    TParenObj header;
    header.Indx = static_cast<std::int16_t>(year);
    header.Groep = isCompetition ? kCompetitionKind : kDriveKind;
    header.Naam.set(Utf8Left(fileName, 48));
    return header;
}

TParenObj MakeNewPair(int n, int pairsPerGroup, int groupCount, bool isIndividual) {
    TParenObj pair;
    const int perGroup = pairsPerGroup > 0 ? pairsPerGroup : 1;
    pair.Indx = static_cast<std::int16_t>(n);
    pair.ClubNr = static_cast<std::int16_t>(n);
    pair.GrpNr = static_cast<std::int16_t>((n - 1) % perGroup + 1);
    const char letter = groupCount == 1 ? ' ' : GroupLetter((n - 1) / perGroup + 1);
    pair.Groep = static_cast<std::uint8_t>(letter);
    std::string name = isIndividual ? "Speler" : "Paar";
    if (letter != ' ')
        name += letter;
    name += std::to_string(pair.GrpNr);
    pair.Naam.set(name);
    return pair;
}

} // namespace velk
