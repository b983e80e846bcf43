#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <array>
#include <cstdint>

namespace velk {

// Scoring forms of a competition.
enum ScoringModeValue : std::uint16_t { ModePairs = 0, ModeButler = 1, ModeCrossImp = 2, ModeIndividual = 3 };
// Neuberg correction of boards with missing results.
enum NeubergModeValue : std::uint16_t { NeubergOff = 0, NeubergNoDecimals = 1, NeubergOneDecimal = 2 };
// Groups scored separately or together.
enum CalcMethodValue : std::uint16_t { CalcEachGroup = 0, CalcTopIntegral = 1 };

namespace ConfigFlag {
enum : std::uint16_t { UseContracts = 1u << 0, SlamBonusBlock = 1u << 1 };
}

// Option flags kept in the configuration record.
namespace OptionFlag {
enum : std::uint16_t {
    ShortNotation = 1u << 0,
    Maximised = 1u << 1,
    FrameLines = 1u << 2,
    Landscape = 1u << 3,
    EnterMovesOn = 1u << 4,
    PrintPersonalData = 1u << 5,
    PrintPageHead = 1u << 6,
};
}

// The first 67 bytes of the configuration record: the competition head.
struct CompetitionHead {
    static constexpr std::size_t Size = 67;

    ShortString<32> CompetitionName;         //  0 (33)
    std::int16_t PairCount = 0;              // 33
    std::int16_t GroupCount = 0;             // 35
    std::int16_t SessionsPerCompetition = 0; // 37
    std::int16_t TableCount = 0;             // 39
    double MaxPctOneSub = 0;                 // 41
    double MaxPctTwoSubs = 0;                // 49
    std::uint16_t ScoringMode = 0;           // 57
    std::uint16_t NeubergMode = 0;           // 59
    std::uint16_t CalcMethod = 0;            // 61
    std::uint16_t ConfigFlags = 0;           // 63
    std::int16_t CompetitionsPerSeason = 0;  // 65

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const CompetitionHead&) const = default;
};

// TConfigObj: the configuration record of a competition file, 445 bytes.
struct TConfigObj {
    static constexpr std::size_t Size = 445;

    CompetitionHead Head;                        //   0 (67)
    ShortString<32> ScreenFontName;              //  67 (33)
    std::uint16_t FontSizes = 0;                 // 100: low byte printer size, high byte screen size
    std::uint16_t LeftMargin = 0;                // 102, printer units
    std::uint16_t TopMargin = 0;                 // 104
    std::uint16_t BottomMargin = 0;              // 106
    std::uint16_t LineHeight = 0;                // 108
    std::uint16_t LinesPerPage = 0;              // 110
    std::uint16_t PrinterIndex = 0;              // 112
    std::array<ShortString<32>, 5> PersonalData; // 114 (5 x 33)
    std::array<std::uint8_t, 33> Reserved279{};  // 279, kept as read
    ShortString<32> PrinterFontName;             // 312 (33)
    std::uint16_t OptionFlags = 0;               // 345
    std::int16_t Reserved347 = 0;                // 347, kept as read
    std::array<std::int16_t, 16> PromotionsUp{}; // 349: [g] pairs moving from group g+1 up into g
    std::array<std::int16_t, 16> Degradations{}; // 381: [g-1] pairs of group g moving down
    std::array<std::int16_t, 16> GroupBonus{};   // 413: [g-1] bonus points per session of group g

    int printerFontSize() const { return FontSizes & 0xFF; }
    int screenFontSize() const { return FontSizes >> 8; }
    void setFontSizes(int printerSize, int screenSize) {
        FontSizes = static_cast<std::uint16_t>((printerSize & 0xFF) | ((screenSize & 0xFF) << 8));
    }

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TConfigObj&) const = default;
};

// The slam bonus block that follows the configuration record: 16 x i16, 32 bytes.
struct SlamBonusBlock {
    static constexpr std::size_t Size = 32;
    std::array<std::int16_t, 16> Values{};

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const SlamBonusBlock&) const = default;
};

} // namespace velk
