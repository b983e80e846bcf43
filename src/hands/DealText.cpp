#include "hands/DealText.h"

#include <array>
#include <vector>

namespace velk {

std::string PbnDealText(const Deal& deal, int firstSeat) {
    std::string text(1, kSeatLetters[static_cast<std::size_t>(firstSeat & 3)]);
    text += ':';
    for (int i = 0; i < 4; ++i) {
        const int seat = (firstSeat + i) & 3;
        if (i > 0)
            text += ' ';
        for (int suit = 0; suit < 4; ++suit) {
            if (suit > 0)
                text += '.';
            text += deal.suitText(seat, suit);
        }
    }
    return text;
}

std::optional<Deal> ParsePbnDeal(std::string_view text, std::string& problem) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const auto first = text.size() >= 2 && text[1] == ':' ? SeatOfLetter(text[0]) : std::nullopt;
    if (!first) {
        problem = "de verdeling begint niet met N:, E:, S: of W:";
        return std::nullopt;
    }
    std::array<std::vector<int>, 4> hands;
    int hand = 0, suit = 0;
    bool inHand = false;
    for (const char c : text.substr(2)) {
        if (c == ' ' || c == '\t') {
            if (inHand) {
                if (suit != 3) {
                    problem =
                        "hand " + std::string(SeatName((*first + hand) & 3)) + " heeft geen vier kleuren";
                    return std::nullopt;
                }
                ++hand, suit = 0, inHand = false;
            }
            continue;
        }
        if (hand > 3) {
            problem = "meer dan vier handen in de verdeling";
            return std::nullopt;
        }
        inHand = true;
        if (c == '.') {
            if (++suit > 3) {
                problem =
                    "hand " + std::string(SeatName((*first + hand) & 3)) + " heeft meer dan vier kleuren";
                return std::nullopt;
            }
            continue;
        }
        const auto rank = RankOfLetter(c);
        if (!rank) {
            problem = c == '-' ? "de verdeling is niet volledig"
                               : std::string("onbekend teken '") + c + "' in de verdeling";
            return std::nullopt;
        }
        hands[static_cast<std::size_t>((*first + hand) & 3)].push_back(CardNumber(suit, *rank));
    }
    if (inHand) {
        if (suit != 3) {
            problem = "hand " + std::string(SeatName((*first + hand) & 3)) + " heeft geen vier kleuren";
            return std::nullopt;
        }
        ++hand;
    }
    if (hand != 4) {
        problem = "de verdeling heeft " + std::to_string(hand) + " handen in plaats van 4";
        return std::nullopt;
    }
    return DealOfHands(hands, problem);
}

} // namespace velk
