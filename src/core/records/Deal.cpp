#include "core/records/Deal.h"

namespace velk {

namespace {

constexpr std::array<std::string_view, 4> kSeatNames = {"Noord", "Oost", "Zuid", "West"};
constexpr std::array<std::string_view, 4> kSuitSymbols = {"♠", "♥", "♦", "♣"};

} // namespace

std::string Deal::suitText(int seat, int suit) const {
    std::string text;
    for (int rank = 0; rank < kHandSize; ++rank)
        if (seatOf[static_cast<std::size_t>(CardNumber(suit, rank))] == seat)
            text += kRankLetters[static_cast<std::size_t>(rank)];
    return text;
}

std::string_view SeatName(int seat) {
    return seat >= 0 && seat < 4 ? kSeatNames[static_cast<std::size_t>(seat)] : "?";
}

std::string CardName(int card) {
    if (card < 0 || card >= kCardCount)
        return "?";
    const int rank = card % kHandSize;
    const std::string face = rank == 4 ? "10" : std::string(1, kRankLetters[static_cast<std::size_t>(rank)]);
    return std::string(kSuitSymbols[static_cast<std::size_t>(card / kHandSize)]) + face;
}

std::optional<int> SeatOfLetter(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto at = kSeatLetters.find(upper);
    return at == std::string_view::npos ? std::nullopt : std::optional<int>(static_cast<int>(at));
}

std::optional<int> RankOfLetter(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto at = kRankLetters.find(upper);
    return at == std::string_view::npos ? std::nullopt : std::optional<int>(static_cast<int>(at));
}

std::optional<Deal> DealOfHands(const std::array<std::vector<int>, 4>& hands, std::string& problem) {
    std::array<int, kCardCount> holder;
    holder.fill(-1);
    Deal deal;
    for (int seat = 0; seat < 4; ++seat) {
        const auto& hand = hands[static_cast<std::size_t>(seat)];
        if (hand.size() != kHandSize) {
            problem = "hand " + std::string(SeatName(seat)) + " heeft " + std::to_string(hand.size()) +
                      " kaarten in plaats van 13";
            return std::nullopt;
        }
        for (const int card : hand) {
            if (card < 0 || card >= kCardCount) {
                problem = "onbekende kaart in hand " + std::string(SeatName(seat));
                return std::nullopt;
            }
            int& owner = holder[static_cast<std::size_t>(card)];
            if (owner >= 0) {
                problem = "kaart " + CardName(card) + " staat twee keer in de verdeling (" +
                          std::string(SeatName(owner)) + " en " + std::string(SeatName(seat)) + ")";
                return std::nullopt;
            }
            owner = seat;
            deal.seatOf[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(seat);
        }
    }
    return deal;
}

std::string IncompleteDealText(const Deal& deal) {
    std::array<int, 4> count{};
    for (const std::uint8_t seat : deal.seatOf) {
        if (seat > 3)
            return "kaart zonder hand in de verdeling";
        ++count[seat];
    }
    for (int seat = 0; seat < 4; ++seat)
        if (count[static_cast<std::size_t>(seat)] != kHandSize)
            return "hand " + std::string(SeatName(seat)) + " heeft " +
                   std::to_string(count[static_cast<std::size_t>(seat)]) + " kaarten in plaats van 13";
    return {};
}

} // namespace velk
