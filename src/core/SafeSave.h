#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/PathText.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velk {

// Backup kinds and their extensions.
namespace BackupKind {
enum : int { Competition = 1, Cf = 2, Ca = 3, Score = 4, Schedule = 5 };
}
// ".~db", ".~cf", ".~ca", ".~sc", ".~sm"; an empty text for an unknown kind.
std::string_view BackupExtension(int kind);

// Renames an existing file to its backup name (an older backup is replaced). Nothing to do when
// the file does not exist; a failed rename keeps ErrorCode 1 and returns false.
bool BackupFile(const std::string& path, int kind, ErrorCode& errorCode);

// Saves `bytes` at `path` so that the user never has less than before: the bytes go to a
// temporary file in the same folder, which is flushed and checked; only then does the previous
// file move to ChangeFileExt(path, backupExtension) and the new one take its place. On failure the
// previous file and its backup are as they were and the temporary file is gone.
bool SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                        std::string_view backupExtension);

// "Wegschrijven van " path " gelukt" / " niet gelukt", as information, for callers that report.
void ReportSaveResult(Dialogs& dialogs, const std::string& path, bool saved);

} // namespace velk
