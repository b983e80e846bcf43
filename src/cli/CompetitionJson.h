#pragma once

#include "core/files/CompetitionFile.h"

#include <string>

namespace velk::cli {

// The whole competition file as a JSON document: every field of every record under its own name,
// texts as UTF-8, bytes the program does not interpret as hex.
std::string CompetitionFileJson(const CompetitionFileData& data, const std::string& path);

} // namespace velk::cli
