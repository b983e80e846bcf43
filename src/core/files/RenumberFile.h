#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/RenumberRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// A ".vnm" file: the rows in list order, header first; nothing when shorter than its header says.
std::optional<std::vector<TReNumOBj>> ParseRenumberFile(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> SerializeRenumberFile(const std::vector<TReNumOBj>& list);

// "Open tabel": reads `path` for a schedule of `pairs` pairs. Wrong header counts are reported
// (with `sessionsPerCompetition` and `groupPairs` as what they must be) and reading goes on; the
// first 0 among a row's pairs is reported once. Nothing when the file is missing or short.
std::optional<std::vector<TReNumOBj>> ReadRenumberFile(const std::string& path, int sessionsPerCompetition,
                                                       int pairs, int groupPairs, Dialogs& dialogs,
                                                       ErrorCode& errorCode);
bool WriteRenumberFile(const std::string& path, const std::vector<TReNumOBj>& list);

} // namespace velk
