#pragma once

#include "core/records/Deal.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// The Duplimate dealing machine's file (.dup). Each board is a record of 156 bytes:
//   0 (78)  North, East and South as 13 two-digit card numbers each, 01 the ace of spades to 52
//           the two of clubs; West holds the rest
//  78 (68)  the four hands sorted, N E S W, 17 bytes each: per suit its symbol (Code page 437:
//           06 spades, 03 hearts, 04 diamonds, 05 clubs) followed by its ranks (AKQJT98765432)
// 146 (10)  "Random hands?" Y/N, "Backwards counting" Y/N, the lowest board of the set (3 bytes),
//           copies of each board (2), the highest board (3), left aligned and padded with blanks
// The older form holds only the 78 digits of each board, one line a board; it is read too, the
// boards numbered from 1.
inline constexpr std::size_t kDupRecordSize = 156;
inline constexpr std::size_t kMaxDupFileBytes = 1024 * 1024;

// Reads the boards; false (with the reason in Dutch) when the bytes are no whole .dup file or a
// deal in it is not four hands of 13 different cards. Nothing is kept from a refused file.
bool ParseDupFile(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                  std::string& problem);

// The file of `boards`, in their order, numbered from the first board's number.
std::vector<std::uint8_t> DupFileBytes(const std::vector<NumberedDeal>& boards);

} // namespace velk
