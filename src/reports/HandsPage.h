#pragma once

#include "hands/HandRecord.h"

#include <string>

namespace velk {

// The hand record as a web page written beside the per-pair pages: per board an anchor the pages
// link to, its hands, double-dummy tricks and par. ISO-8859-1 like every page of the program.
inline constexpr const char* kHandsPageFileName = "Spelverdelingen.htm";

// "spel7": the anchor of board 7 in the page.
std::string HandsAnchor(int board);
// "Spelverdelingen.htm#spel7".
std::string HandsLink(int board);

std::string HandsPage(const HandRecord& hands);

} // namespace velk
