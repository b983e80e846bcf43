#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <cstdint>
#include <string>

namespace velk {

// Group letter by group number: index 0 is a blank, 1 is "A".
inline constexpr char GroupLetters[] = " ABCDEFGHIJKLMNOPQRSTUVWXYZ*";
char GroupLetter(int group);

// TParenObj: one pair, 58 bytes. Record 0 of a pair list is the file header record instead.
struct TParenObj {
    static constexpr std::size_t Size = 58;

    std::int16_t Indx = 0;   //  0; in the header record: the year
    std::int16_t ClubNr = 0; //  2
    std::uint8_t Groep = 0;  //  4; in the header record: 'C' competition, 'D' drive
    std::int16_t GrpNr = 0;  //  5
    ShortString<48> Naam;    //  7 (49); in the header record: the file name
    std::int16_t Rang = 0;   // 56

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TParenObj&) const = default;
};

// Kind bytes of the header record.
inline constexpr std::uint8_t kCompetitionKind = 'C';
inline constexpr std::uint8_t kDriveKind = 'D';

// The header record of a new file.
TParenObj MakeHeaderRecord(int year, const std::string& fileName, bool isCompetition);

// A new pair n (1-based) with the default numbers and name.
TParenObj MakeNewPair(int n, int pairsPerGroup, int groupCount, bool isIndividual);

} // namespace velk
