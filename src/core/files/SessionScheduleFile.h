#pragma once

#include "core/records/ScheduleRecords.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// 1 + rounds x tables: the entries a session schedule holds on file, header item included.
std::size_t SessionEntryCount(int rounds, int tableCount);

// A head is taken with its entries when its pairs are 1..512 and its groups and rounds at most 16.
bool IsAcceptableScheduleHead(const TZitSchemaObj& head);

// What a ".sma" file held. Each session is read whole or not at all.
struct ParsedSessionSchedules {
    // False when even the table labels are not all there; nothing else is read then.
    bool LabelsRead = false;
    std::vector<TTafelObj> TableLabels;
    // One per session 1..sessionCount: the schedule, or nothing when its head was rejected or its
    // bytes were missing.
    std::vector<std::optional<TZitSchemaObj>> Sessions;
    // Sessions whose head was out of range (or of the other form).
    std::vector<int> RejectedHeads;
    // The first session whose bytes ran out part way; 0 when none did.
    int ShortFromSession = 0;
    // The first session the file ends cleanly before (it was made before that session was
    // added); 0 when every session is in the file.
    int MissingFromSession = 0;
};

// `tableCount` and `sessionCount` come from the competition; `individual` chooses the entry form.
ParsedSessionSchedules ParseSessionScheduleFile(std::span<const std::uint8_t> bytes, int tableCount,
                                                int sessionCount, bool individual);
// The same parse read from the file at `path`, where only the bytes it keeps are read. With
// `onlySession` 1..sessionCount every head is read and checked as usual, but only that session gets
// its entries: the others keep their heads alone, their entries stay on disk. Nothing when the file
// cannot be read whole, is too large, or changes while it is read.
std::optional<ParsedSessionSchedules> ReadSessionScheduleFile(const std::string& path, int tableCount,
                                                              int sessionCount, bool individual,
                                                              int onlySession = 0);

// The table labels, then every head with exactly SessionEntryCount entries of its form (an entry
// the list lacks is written empty), so the file always reads back.
std::vector<std::uint8_t> SerializeSessionSchedules(const std::vector<TTafelObj>& labels,
                                                    const std::vector<TZitSchemaObj>& schedules,
                                                    int tableCount);

} // namespace velk
