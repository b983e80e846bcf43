#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <cstdint>

namespace velk {

// TKXLedenOBJ: one member of the club's register, 1214 bytes.
// The remark holds 99 characters: with 100 it would run into the member number at 1212.
struct TKXLedenOBJ {
    static constexpr std::size_t Size = 1214;

    std::int16_t LidID = 0;      //    0 (2)
    ShortString<120> AchterNaam; //    2 (121)
    ShortString<25> Voorzetsel;  //  123 (26)
    ShortString<50> Voorletters; //  149 (51)
    ShortString<100> VoorNaam;   //  200 (101)
    ShortString<198> Adres;      //  301 (199)
    ShortString<50> PostCode;    //  500 (51)
    ShortString<120> Plaats;     //  551 (121)
    ShortString<100> Telefoon;   //  672 (101)
    ShortString<100> Mobiel;     //  773 (101)
    ShortString<175> Email;      //  874 (176)
    ShortString<60> GebDatum;    // 1050 (61)
    std::uint8_t Sexe = 0;       // 1111 (1): 'M' or 'V', 0 when unknown
    ShortString<99> Opmerking;   // 1112 (100)
    std::int16_t LidNr = 0;      // 1212 (2)

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TKXLedenOBJ&) const = default;
};

static_assert(2 + 121 + 26 + 51 + 101 + 199 + 51 + 121 + 101 + 101 + 176 + 61 + 1 + 100 + 2 ==
              TKXLedenOBJ::Size);

} // namespace velk
