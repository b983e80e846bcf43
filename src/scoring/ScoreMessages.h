#pragma once

#include <array>
#include <string_view>

namespace velk {

// Messages of score entry, indexed by the error code (index 0 unused). The entry form shows the
// message followed by the cell text. Code 14 refuses a fixed value the calculation cannot hold.
extern const std::array<std::string_view, 15> kScoreMessages;
extern const std::array<std::string_view, 13> kContractMessages;

// An empty text for a code outside the table.
std::string_view ScoreMessage(int code);
std::string_view ContractMessage(int code);

inline constexpr std::string_view kScoreConversionFailed = "Scoreconversie mislukt ";
inline constexpr std::string_view kComplementFailed = "Complementaire score mislukt";
inline constexpr std::string_view kShortNotationUsed = "Verkorte notatie gebruikt";

} // namespace velk
