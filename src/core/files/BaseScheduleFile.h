#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/WorkSchedule.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velk {

// Limits a base schedule must keep to be read at all.
constexpr int kMaxScheduleRounds = 16;
constexpr int kMaxScheduleTables = 256;
constexpr int kMaxSchedulePairs = 512;
constexpr int kMaxScheduleBoardGroups = 26;

// " Schemalist niet correct \r": a base schedule shorter than its header says.
extern const char* const kScheduleListIncorrect;

// The entries exactly as on file (no pair rule applied), or nothing when the bytes are shorter
// than the header promises or the header cannot describe a schedule.
// Pairs form: 4-byte records of unsigned bytes; individual form: 10-byte records.
std::optional<WorkSchedule> ParseBaseSchedule(std::span<const std::uint8_t> bytes);
std::optional<WorkSchedule1> ParseBaseSchedule1(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> SerializeBaseSchedule(const WorkSchedule& schedule);
std::vector<std::uint8_t> SerializeBaseSchedule1(const WorkSchedule1& schedule);

// A pair that meets itself means the table is not in play: both pairs become 0. In the individual
// form any two equal players clear all four.
void ClearSelfMeetings(TWSObj& entry);
void ClearSelfMeetings(TWSObj1& entry);

// ReadBaseSchedule as the editors use it: a missing file is "Bestand bestaat niet : " + path, a
// short one " Schemalist niet correct \r", and a first entry with a 0 pair or letter asks
// "Paar of Spelgroep =0; Doorgaan met Schema inlezen ?" (No gives the empty schedule of the file's
// counts). Nothing when the file could not be read.
std::optional<WorkSchedule> ReadBaseSchedule(const std::string& path, Dialogs& dialogs, ErrorCode& errorCode);
std::optional<WorkSchedule1> ReadBaseSchedule1(const std::string& path, Dialogs& dialogs,
                                               ErrorCode& errorCode);

// The largest count or number a base schedule file holds in one byte: the pairs form's rounds, pairs,
// tables, board groups and pair numbers, the individual form's rounds, board groups and table numbers.
constexpr int kMaxScheduleByte = 255;

// What of `schedule` its file cannot hold, as the message that refuses the save; empty when it fits.
std::string BaseScheduleOverflow(const WorkSchedule& schedule);
std::string BaseScheduleOverflow(const WorkSchedule1& schedule);

// Writes the header and items 1..rounds x tables; the old file stays until the new one is whole.
// A schedule with an overflow is not written at all.
bool WriteBaseSchedule(const std::string& path, const WorkSchedule& schedule);
bool WriteBaseSchedule1(const std::string& path, const WorkSchedule1& schedule);

} // namespace velk
