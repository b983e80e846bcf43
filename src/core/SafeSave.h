#pragma once

#include "core/Dialogs.h"
#include "core/FileNameHelpers.h" // BackupExtension, BackupFile
#include "core/PathText.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velk {

// Saves `bytes` at `path` so that the user never has less than before: the bytes go to a
// temporary file in the same folder, which is flushed and checked; only then does the previous
// file move to ChangeFileExt(path, backupExtension) and the new one take its place. On failure the
// previous file and its backup are as they were and the temporary file is gone.
bool SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                        std::string_view backupExtension);

// "Wegschrijven van " path " gelukt" / " niet gelukt", as information, for callers that report.
void ReportSaveResult(Dialogs& dialogs, const std::string& path, bool saved);

} // namespace velk
