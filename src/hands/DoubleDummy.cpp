#include "hands/DoubleDummy.h"

#include <array>

namespace velk {

namespace {

constexpr std::array<std::string_view, kStrainCount> kStrainNames = {"S", "H", "D", "C", "NT"};
constexpr std::array<std::string_view, 6> kSeatsNames = {"N", "E", "S", "W", "NS", "EW"};

} // namespace

std::string_view StrainName(int strain) {
    return strain >= 0 && strain < kStrainCount ? kStrainNames[static_cast<std::size_t>(strain)] : "?";
}

std::string ParContractText(const ParContract& c) {
    std::string text = std::to_string(c.level) + std::string(StrainName(c.strain));
    if (c.underTricks > 0)
        text += "X-" + std::to_string(c.underTricks);
    else if (c.overTricks > 0)
        text += "+" + std::to_string(c.overTricks);
    const bool known = c.seats >= 0 && c.seats < 6;
    return text + " " + std::string(known ? kSeatsNames[static_cast<std::size_t>(c.seats)] : "?");
}

bool ParseParContract(std::string_view text, ParContract& c) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos || text.size() < 4 || text[0] < '1' || text[0] > '7')
        return false;
    ParContract read;
    read.level = text[0] - '0';
    std::string_view rest = text.substr(1, space - 1);
    read.strain = -1;
    // The longest name first, so "NT" is not taken for another strain.
    for (int strain : {4, 0, 1, 2, 3})
        if (rest.substr(0, kStrainNames[static_cast<std::size_t>(strain)].size()) ==
            kStrainNames[static_cast<std::size_t>(strain)]) {
            read.strain = strain;
            rest.remove_prefix(kStrainNames[static_cast<std::size_t>(strain)].size());
            break;
        }
    if (read.strain < 0)
        return false;
    int* count = nullptr;
    if (rest.substr(0, 2) == "X-")
        count = &read.underTricks, rest.remove_prefix(2);
    else if (rest.substr(0, 1) == "+")
        count = &read.overTricks, rest.remove_prefix(1);
    if (count) {
        if (rest.size() != 1 || rest[0] < '1' || rest[0] > '9')
            return false;
        *count = rest[0] - '0';
    } else if (!rest.empty()) {
        return false;
    }
    const std::string_view seats = text.substr(space + 1);
    read.seats = -1;
    for (std::size_t i = 0; i < kSeatsNames.size(); ++i)
        if (seats == kSeatsNames[i])
            read.seats = static_cast<int>(i);
    if (read.seats < 0)
        return false;
    c = read;
    return true;
}

} // namespace velk
