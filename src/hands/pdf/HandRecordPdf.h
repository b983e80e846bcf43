#pragma once

#include "hands/HandRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velk {

// The hand record as a printable PDF (A4, four boards a page): per board its number, dealer and
// vulnerability, the four hands in the compass layout with the suit symbols, and once analysed
// the double-dummy table and the par. Drawn with cairo and pango; empty when drawing failed.
std::vector<std::uint8_t> HandRecordPdf(const HandRecord& record);

// Writes it, the previous file kept as backup until the new one is complete.
bool SaveHandRecordPdf(const std::string& path, const HandRecord& record);

} // namespace velk
