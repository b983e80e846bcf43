#pragma once

#include "core/ByteCodec.h"
#include "core/ShortString.h"

#include <cstdint>
#include <vector>

namespace velk {

// Bits of TScoreObj::Flags.
namespace ScoreFlag {
enum : std::uint8_t {
    Turned = 1u << 0,        // turned with "Draai"; each turn toggles it
    Doubtful = 1u << 1,      // the "?" mark
    Remarkable = 1u << 2,    // the "!" mark
    EastWest = 1u << 3,      // counts as East-West
    NotComplement = 1u << 4, // the two sides of the table disagree, or "$"
    Given = 1u << 5          // 'O' or 'S' from the sit-out detection, not typed: a score may come
};
}

// TScoreObj: one pair's result on one board, 17 bytes.
struct TScoreObj {
    static constexpr std::size_t Size = 17;

    ShortString<6> Contract;    //  0 (7): as entered, e.g. 4HX, 3SA, PAS
    ShortString<4> Result;      //  7 (5): tricks over or under, or C
    std::int16_t Score = 0;     // 12: score of this pair's side, or the value of a coded score
    std::uint8_t Direction = 0; // 14: 0 North-South, 1 East-West, from the schedule
    std::uint8_t Code = 0;      // 15: code letter minus 64; 0 = no score
    std::uint8_t Flags = 0;     // 16: ScoreFlag bits

    void ReadFrom(ByteReader& in);
    // The Size bytes of a record at p, as ReadFrom() takes them from a reader.
    void ReadFrom(const std::uint8_t* p) {
        Contract.assignRaw(p);
        Result.assignRaw(p + 7);
        Score = static_cast<std::int16_t>(LoadU16(p + 12));
        Direction = p[14];
        Code = p[15];
        Flags = p[16];
    }
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TScoreObj&) const = default;
};

// TZitScoreObj: the score block of one session, a 4-byte head owning its records.
struct TZitScoreObj {
    static constexpr std::size_t Size = 4;

    std::int16_t BoardsInList = 0; // 0: boards of the session when the block was made
    std::int16_t SessionIndex = 0; // 2

    // PairCount x BoardsInList + 1 records; record 0 is blank. Not part of the head.
    std::vector<TScoreObj> Records;

    void ReadFrom(ByteReader& in);
    void WriteTo(ByteWriter& out) const;
    bool operator==(const TZitScoreObj&) const = default;
};

// The record of pair row `pairRow` (1-based) of group `group` on board `board` (both 1-based).
// Inline: the computation asks it for every record.
inline int ScoreRecordIndex(int group, int board, int pairRow, int boardCount, int pairsPerGroup) {
    return ((group - 1) * boardCount + (board - 1)) * pairsPerGroup + pairRow;
}

// A blank block for a session: PairCount x BoardCount + 1 empty records.
TZitScoreObj NewScoreBlock(int sessionNumber, int boardCount, int pairCount);

} // namespace velk
