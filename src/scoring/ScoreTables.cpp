#include "scoring/ScoreTables.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"

#include <cstdlib>

namespace velk {

namespace {
// No table is larger than this; a bigger file is not one of ours.
constexpr std::size_t kMaxTableBytes = 64 * 1024;

template <typename Parsed>
Parsed LoadTable(const std::filesystem::path& folder, const char* fileName, const std::string& description,
                 Parsed (*parse)(std::span<const std::uint8_t>), Dialogs& dialogs, ErrorCode& errorCode) {
    const std::string path = (folder / fileName).string();
    const FileBytes file = ReadFileBytes(path, kMaxTableBytes);
    if (file.status == FileReadStatus::Missing) {
        ShowError(dialogs, errorCode, description, ErrorMessage::FileMissing);
        return {};
    }
    Parsed parsed = file.ok() ? parse(file.bytes) : Parsed{};
    if (!parsed)
        ShowFileError(dialogs, errorCode, description, FileError::ReadFailed, Hint::CheckFile);
    return parsed;
}
} // namespace

std::optional<std::array<std::uint8_t, ScoreTables::ScoreClassCount>>
ParseScoreClasses(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != ScoreTables::ScoreClassCount)
        return std::nullopt;
    std::array<std::uint8_t, ScoreTables::ScoreClassCount> classes{};
    std::copy(bytes.begin(), bytes.end(), classes.begin());
    return classes;
}

std::optional<std::array<ArbitralValue, ScoreTables::ArbitralCount>>
ParseArbitralScores(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != ScoreTables::ArbitralCount * 4)
        return std::nullopt;
    ByteReader in(bytes);
    std::array<ArbitralValue, ScoreTables::ArbitralCount> values{};
    for (auto& v : values) {
        v.Butler = in.i16();
        v.CrossImp = in.i16();
    }
    return values;
}

std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>
ParseDatumDrops(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != ScoreTables::DatumDropCount)
        return std::nullopt;
    std::array<std::int8_t, ScoreTables::DatumDropCount> drops{};
    for (std::size_t i = 0; i < drops.size(); ++i)
        drops[i] = static_cast<std::int8_t>(bytes[i]);
    return drops;
}

std::vector<TContrScrOBJ> ParseContractScores(std::span<const std::uint8_t> bytes) {
    std::vector<TContrScrOBJ> records;
    ByteReader in(bytes);
    while (records.size() < ScoreTables::ContractCount && in.remaining() >= TContrScrOBJ::Size) {
        TContrScrOBJ record;
        record.ReadFrom(in);
        records.push_back(record);
    }
    return records;
}

ScoreTables LoadScoreTables(const std::filesystem::path& folder, Dialogs& dialogs, ErrorCode& errorCode,
                            bool withContracts) {
    ScoreTables tables;
    tables.ScoreClasses =
        LoadTable(folder, "Scores.dab", "Bridge Scores: Scores.dab", &ParseScoreClasses, dialogs, errorCode);
    tables.ArbitralScores = LoadTable(folder, "ArbScors.dab", "Arbitrale Score Conversie: ArbScors.dab",
                                      &ParseArbitralScores, dialogs, errorCode);
    tables.DatumDrops =
        LoadTable(folder, "BasiScrs.dab", "Aantallen Score file: BasiScrs.dab\r voor Average Scoreberekening",
                  &ParseDatumDrops, dialogs, errorCode);
    if (withContracts) {
        const std::string path = (folder / "ContractScors.dab").string();
        const FileBytes file = ReadFileBytes(path, kMaxTableBytes);
        if (file.status == FileReadStatus::Missing)
            ShowError(dialogs, errorCode, " ContractScors.dab", ErrorMessage::FileMissing);
        else if (!file.ok())
            ShowFileError(dialogs, errorCode, " ContractScors.dab", FileError::ReadFailed, Hint::CheckFile);
        else
            tables.ContractScorsTable = ParseContractScores(file.bytes); // a short table keeps what it holds
    }
    return tables;
}

std::uint8_t ScoreClassOf(const std::array<std::uint8_t, ScoreTables::ScoreClassCount>& classes, int score) {
    if (score == 0)
        return ScoreClass::Zero;
    const int k = std::abs(score) / 10;
    if (k < 1 || static_cast<std::size_t>(k) > classes.size())
        return 0;
    return classes[static_cast<std::size_t>(k - 1)];
}

} // namespace velk
