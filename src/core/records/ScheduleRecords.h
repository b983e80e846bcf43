#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velk {

// A board group letter on file: "A" is the first board group, a blank means no boards.
constexpr std::uint8_t kBlankLetter = ' ';

// TTafelObj: the label of one session-wide table, 9 bytes.
struct TTafelObj {
    static constexpr std::size_t Size = 9;

    std::int16_t TableNr = 0; // 0
    ShortString<6> Label;     // 2 (7): group letter and table within the group, "A1"

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TTafelObj&) const = default;
};

// TSchemaObj: one session schedule entry of the pairs form, 7 bytes. In the header item (item 0)
// the fields hold session number, rounds and groups.
struct TSchemaObj {
    static constexpr std::size_t Size = 7;

    std::int16_t Table = 0;             // 0: session-wide table number
    std::int16_t NS = 0;                // 2: North-South pair, competition-wide; 0 = none
    std::int16_t EW = 0;                // 4: East-West pair
    std::uint8_t Letter = kBlankLetter; // 6: board group letter

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TSchemaObj&) const = default;
};

// TSchemaObj1: one session schedule entry of the individual form, 11 bytes; seats in the order
// N, Z, O, W. Header item: session number, rounds, 0, groups, 0.
struct TSchemaObj1 {
    static constexpr std::size_t Size = 11;

    std::int16_t Table = 0;             //  0
    std::int16_t N = 0;                 //  2
    std::int16_t Z = 0;                 //  4
    std::int16_t O = 0;                 //  6
    std::int16_t W = 0;                 //  8
    std::uint8_t Letter = kBlankLetter; // 10

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TSchemaObj1&) const = default;
};

namespace ScheduleForm {
enum : std::uint8_t { Pairs = 0, Individual = 2 };
}

// TZitSchemaObj: the schedule head of one session, 794 bytes, owning the session's entries. Only
// the list of its form is used: Entries for pairs, PlayerEntries for individuals.
struct TZitSchemaObj {
    static constexpr std::size_t Size = 794;
    static constexpr int MaxGroups = 16;

    std::array<ShortString<48>, 16> BaseScheduleNames; //   0 (16 x 49): [g-1] base schedule of group g
    std::uint8_t Form = ScheduleForm::Pairs;           // 784
    std::int16_t PairCount = 0;                        // 785: of the competition when made
    std::int16_t GroupCount = 0;                       // 787
    std::int16_t SessionNr = 0;                        // 789
    std::int16_t RoundCount = 0;                       // 791
    std::uint8_t Valid = 1;                            // 793

    // Item 0 is the header item. Not part of the 794 bytes.
    std::vector<TSchemaObj> Entries;
    std::vector<TSchemaObj1> PlayerEntries;

    bool isIndividual() const { return Form == ScheduleForm::Individual; }
    std::size_t itemCount() const { return isIndividual() ? PlayerEntries.size() : Entries.size(); }

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TZitSchemaObj&) const = default;
};

} // namespace velk
