#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velk {

// TCalcObj: the result row of one pair in one session, 26 bytes.
struct TCalcObj {
    static constexpr std::size_t Size = 26;

    std::int16_t ClubNr = 0;          //  0
    std::int16_t Substitutes = 0;     //  2
    float Points = 0;                 //  4
    float Percentage = 0;             //  8
    float Correction = 0;             // 12
    float CompetitionTotal = 0;       // 16
    std::int8_t Status = 1;           // 20
    std::uint8_t BoardsPlayed = 0;    // 21
    std::int16_t SessionRank = 0;     // 22
    std::int16_t CompetitionRank = 0; // 24

    // A new row: every result zero, status 1.
    static TCalcObj NewRow(std::int16_t clubNr) {
        TCalcObj r;
        r.ClubNr = clubNr;
        return r;
    }
    // Clears the results, keeping the pair's number.
    void clearResults() { *this = NewRow(ClubNr); }

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TCalcObj&) const = default;
};

// TZitCalcObj: one session of a competition, 113 bytes, owning its result rows.
struct TZitCalcObj {
    static constexpr std::size_t Size = 113;

    std::int16_t CompetitionNr = 0;             //   0
    std::int16_t SessionNr = 0;                 //   2; 0 marks a removed session
    std::int16_t BoardCount = 0;                //   4
    std::int16_t RoundCount = 0;                //   6
    std::int16_t BoardGroupCount = 0;           //   8
    std::uint8_t FirstBoardNumber = 0;          //  10
    std::uint8_t BoardsPerRound = 0;            //  11
    std::int16_t TablesPerGroup = 0;            //  12
    std::int16_t PairsPerGroup = 0;             //  14
    ShortString<12> SessionDate;                //  16 (13)
    std::array<std::int16_t, 16> GroupPairs{};  //  29: [g-1] pairs playing in group g
    std::int16_t TwoLines = 0;                  //  61
    std::array<std::uint8_t, 18> Options{};     //  63: further session options, carried
    std::array<std::int16_t, 16> GroupTables{}; //  81: [g-1] tables in play in group g

    // Rows 0..PairCount; row 0 belongs to the header record. Not part of the 113 bytes.
    std::vector<TCalcObj> Rows;

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TZitCalcObj&) const = default;
};

} // namespace velk
