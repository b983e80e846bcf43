#pragma once

#include "hands/HandRecord.h"

#include <string>

namespace velk {

// The hand record of a session, beside the competition: "club_1.dba" session 2 in
// "club_1_hands2.pbn"; its backup "club_1_hands2.~pb".
std::string HandRecordPath(const std::string& competitionPath, int session);
inline constexpr std::string_view kHandRecordBackupExtension = ".~pb";
inline constexpr std::size_t kMaxHandRecordBytes = 16u * 1024 * 1024;

enum class HandRecordRead { Ok, Missing, Damaged };

// Reads the hand record at `path` with its analysis. Damaged: `problem` says why in Dutch, and the
// file must not be written over.
HandRecordRead ReadHandRecord(const std::string& path, HandRecord& record, std::string& problem);

// The Dutch text for a session without hands, or whose file is damaged.
std::string MissingHandRecordText(int session);
std::string DamagedHandRecordText(const std::string& path, const std::string& problem);

// Writes the record to a temporary file, then keeps the previous one as the backup.
bool SaveHandRecord(const std::string& path, const HandRecord& record);

} // namespace velk
