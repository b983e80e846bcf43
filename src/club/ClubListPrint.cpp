#include "club/ClubListPrint.h"

#include "core/TextHelpers.h"

#include <algorithm>

namespace velk {

namespace {

constexpr std::array<int, 6> kGridWidths = {30, 50, 40, 40, 260, 45};

std::string Row(const std::array<std::string, 6>& cells, const std::array<int, 6>& widths, int columns) {
    std::string line = "|";
    for (int c = 0; c < columns; ++c)
        line += PadRight(Truncate(cells[static_cast<std::size_t>(c)], widths[static_cast<std::size_t>(c)]),
                         widths[static_cast<std::size_t>(c)]) +
                "|";
    return line;
}

} // namespace

std::array<int, 6> ClubListColumns(int pageChars) {
    // The grid is 800 pixels wide on the page; each column keeps its share.
    std::array<int, 6> out{};
    for (std::size_t c = 0; c < out.size(); ++c)
        out[c] = std::max(3, kGridWidths[c] * pageChars / 800);
    return out;
}

std::vector<std::vector<std::string>> ClubListPages(const Club& club, const std::string& title,
                                                    const std::array<int, 6>& widths, int linesPerPage,
                                                    bool showRank) {
    const int columns = showRank ? 6 : 5;
    int ruleWidth = 1;
    for (int c = 0; c < columns; ++c)
        ruleWidth += widths[static_cast<std::size_t>(c)] + 1;
    const std::string rule = Repeat("-", ruleWidth);
    const std::string head = Row({"Indx", "Nr.", "Grp.", "GrpNr", "Naam", "Rang"}, widths, columns);

    std::vector<std::vector<std::string>> pages;
    auto startPage = [&] {
        pages.emplace_back();
        pages.back().push_back(title);
        pages.back().push_back(head);
        pages.back().push_back(rule);
    };
    startPage();
    const int perGroup = club.PairsPerGroup > 0 ? club.PairsPerGroup : 1;
    const int limit = linesPerPage > 4 ? linesPerPage : 4;
    for (std::size_t i = 1; i < club.PairList.size(); ++i) {
        if (static_cast<int>(pages.back().size()) >= limit)
            startPage();
        const TParenObj& p = club.PairList[i];
        const std::string letter(1, static_cast<char>(p.Groep == 0 ? ' ' : p.Groep));
        pages.back().push_back(Row({std::to_string(p.Indx), std::to_string(p.ClubNr), letter,
                                    std::to_string(p.GrpNr), p.Naam.get(), std::to_string(p.Rang)},
                                   widths, columns));
        if (i % static_cast<std::size_t>(perGroup) == 0 || i + 1 == club.PairList.size())
            pages.back().push_back(rule);
    }
    return pages;
}

} // namespace velk
