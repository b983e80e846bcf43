#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/files/ScoreFile.h"
#include "core/records/SlamRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// Backup extension of the slam file: its own, so that it never collides with the score file's
// backup of the same base name.
inline constexpr const char* kSlamBackupExtension = ".~sl";

// Reads the ".slm" file beside the competition file into `out`; like ReadScoreFile.
bool ReadSlamFile(const std::string& competitionPath, const ScoreFileShape& shape, bool competitionOpen,
                  std::vector<TZitSlemObj>& out, Dialogs& dialogs, ErrorCode& errorCode);

// The blocks held in a slam file's bytes; shows nothing. Returns the first session whose block runs
// past the end (`out` untouched then), or 0 when every block was read.
int ParseSlamFile(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                  std::vector<TZitSlemObj>& out);

// ParseSlamFile with its message; false (with the message and ErrorCode) when the blocks run short.
bool ReadSlamBytes(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                   std::vector<TZitSlemObj>& out, Dialogs& dialogs, ErrorCode& errorCode);

// Each block's head and exactly PairCount + 1 records.
std::vector<std::uint8_t> SerializeSlamFile(const std::vector<TZitSlemObj>& blocks, int pairCount);

// The path a slam file is written to: an existing slam file of the competition in whatever case,
// else the name with ".SLM".
std::string SlamFileWritePath(const std::string& slamPath);

// Writes the slam file; with `makeBackup` the previous file is kept under ".~sl".
bool WriteSlamFile(const std::string& slamPath, const std::vector<TZitSlemObj>& blocks, int pairCount,
                   bool makeBackup, Dialogs& dialogs, ErrorCode& errorCode);

} // namespace velk
