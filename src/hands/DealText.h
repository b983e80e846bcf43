#pragma once

#include "core/records/Deal.h"

#include <optional>
#include <string>
#include <string_view>

namespace velk {

// A deal as PBN writes it: the first seat, a colon and the four hands clockwise from it, each
// hand its spades, hearts, diamonds and clubs separated by dots ("N:AKQ.JT9.876.5432 ...").
std::string PbnDealText(const Deal& deal, int firstSeat = North);

// Reads such a text from any first seat; refused with the Dutch reason unless it is four hands
// of 13 cards that hold every card once.
std::optional<Deal> ParsePbnDeal(std::string_view text, std::string& problem);

} // namespace velk
