#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/ContractScoreRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// Bits of a class byte of Scores.dab; the class of a score tells for which vulnerability of the
// side that scored it is possible and for which it is normal.
namespace ScoreClass {
enum : std::uint8_t {
    NormalNotVulnerable = 1,
    PossibleNotVulnerable = 2,
    NormalVulnerable = 4,
    PossibleVulnerable = 8,
    Zero = 15, // the class of a score of 0
};
}

// One record of ArbScors.dab: what an arbitral percentage is worth in the IMP forms.
struct ArbitralValue {
    std::int16_t Butler = 0;   // tenths of an IMP
    std::int16_t CrossImp = 0; // whole IMPs
    bool operator==(const ArbitralValue&) const = default;
};

// The four constant tables beside the program. A table that could not be read stays empty; the
// program goes on without it.
struct ScoreTables {
    static constexpr std::size_t ScoreClassCount = 520;
    static constexpr std::size_t ArbitralCount = 101;
    static constexpr std::size_t DatumDropCount = 250;
    static constexpr std::size_t ContractCount = 35;

    std::optional<std::array<std::uint8_t, ScoreClassCount>> ScoreClasses;  // byte k-1: class of 10k
    std::optional<std::array<ArbitralValue, ArbitralCount>> ArbitralScores; // by percentage
    std::optional<std::array<std::int8_t, DatumDropCount>> DatumDrops;      // byte k-1: for k results
    std::vector<TContrScrOBJ> ContractScorsTable;                           // up to 35 records
};

// Table parsers over the whole file's bytes; nullopt when the size is not the table's.
std::optional<std::array<std::uint8_t, ScoreTables::ScoreClassCount>>
ParseScoreClasses(std::span<const std::uint8_t> bytes);
std::optional<std::array<ArbitralValue, ScoreTables::ArbitralCount>>
ParseArbitralScores(std::span<const std::uint8_t> bytes);
std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>
ParseDatumDrops(std::span<const std::uint8_t> bytes);
// The whole records read (at most 35); a trailing part record is left out.
std::vector<TContrScrOBJ> ParseContractScores(std::span<const std::uint8_t> bytes);

// Reads the four tables from `folder` (ContractScors.dab only when `withContracts`). A missing file
// is reported as a missing file; a damaged one as a file that could not be read.
ScoreTables LoadScoreTables(const std::filesystem::path& folder, Dialogs& dialogs, ErrorCode& errorCode,
                            bool withContracts = true);

// The class of a score, or 0 when the table has none for it (impossible or beyond the table).
std::uint8_t ScoreClassOf(const std::array<std::uint8_t, ScoreTables::ScoreClassCount>& classes, int score);

} // namespace velk
