#pragma once

#include "club/Club.h"

#include <array>
#include <string>
#include <vector>

namespace velk {

// The printed club list: a title line, a head row, every pair with its columns separated by "|",
// a rule after every group and at the end. `columnChars` are the column widths in characters
// (scaled from the grid by the caller); a page is at most `linesPerPage` lines. Pages are
// kept apart: the result holds the lines of each page.
std::vector<std::vector<std::string>> ClubListPages(const Club& club, const std::string& title,
                                                    const std::array<int, 6>& columnChars, int linesPerPage,
                                                    bool showRank);

// Column widths of the grid in characters for a page `pageChars` characters wide.
std::array<int, 6> ClubListColumns(int pageChars);

} // namespace velk
