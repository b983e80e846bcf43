#pragma once

#include "core/records/Deal.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// The Dealer4 / Duplimate dealing program's file (.dlm): Windows INI text whose [Document]
// section names "From board", "To board" and one line per board,
//   Board 01=jlifaelnecgmoldfjmcflinlap023
// 26 letters a to p for the cards two at a time in the order ♠AK ♠QJ ... ♣32, each letter the
// seats of its two cards (a: N N, b: N E, ..., p: W W), then three digits: the board number and
// the codes of the 26 letters combined by exclusive or.
inline constexpr std::size_t kMaxDlmFileBytes = 1024 * 1024;

// Reads the boards; false (with the reason in Dutch) when the text is no .dlm file, a board's
// check digits are wrong or a deal is not four hands of 13 cards. Nothing is kept from a refused
// file.
bool ParseDlmFile(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                  std::string& problem);

// The file of `boards` (numbered in order from the first), lines ending in CR LF.
std::vector<std::uint8_t> DlmFileBytes(const std::vector<NumberedDeal>& boards);

// The line's 26 letters and three check digits for a board.
std::string DlmBoardCode(int board, const Deal& deal);

} // namespace velk
