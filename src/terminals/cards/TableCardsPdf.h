#pragma once

#include "terminals/TableCards.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velk::terminals {

// The table cards as a printable PDF: A4, six cards a page with dashed cut lines, each with
// "Tafel A1", the competition, session and date, a QR code of the table's address, the address
// in text, the PIN in large digits and how to use them. Empty with `problem` (Dutch) when drawing
// failed.
std::vector<std::uint8_t> TableCardsPdf(const TableCardsInput& input, std::string& problem);

// Writes them at `pdfPath` through a temporary file; false with `problem` (Dutch).
bool WriteTableCards(const TableCardsInput& input, const std::string& pdfPath, std::string& problem);

} // namespace velk::terminals
