#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "schedules/WorkSchedule.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// TReNumOBj: one row of a renumbering table, 512 x i16. Row 0 holds the number of session rows
// and the number of pairs; in row z element p - 1 is the pair that takes the place of base pair p
// in session z (0 = not filled).
struct TReNumOBj {
    static constexpr std::size_t Size = 1024;
    static constexpr int MaxPairs = 512;
    std::array<std::int16_t, 512> Pairs{};
    bool operator==(const TReNumOBj&) const = default;
};

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

// "Red tabel": the list from the first `sessions` grid rows (0 = empty cell). A row naming a pair
// twice is reported ("Paar: " n " komt vaker voor") and nothing is returned.
std::optional<std::vector<TReNumOBj>> BuildRenumberList(const std::vector<std::vector<int>>& gridRows,
                                                        int sessions, int pairs, Dialogs& dialogs);

// "Maak Schema": a base schedule of `counts` made from session 1's schedule with the pairs of row
// `session` of the list put in their place.
WorkSchedule RenumberSchedule(const TZitSchemaObj& source, const std::vector<TReNumOBj>& list, int session,
                              const ScheduleCounts& counts, Dialogs& dialogs);

// The refusals before the renumbering view opens.
bool RenumberingPossible(const Club& club, Dialogs& dialogs);
bool HasBaseScheduleToRenumber(const Club& club, Dialogs& dialogs);

} // namespace velk
