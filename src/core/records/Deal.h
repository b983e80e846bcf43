#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// Seats in the order the hands go round the table (and the order of the double-dummy solver).
enum Seat : int { North = 0, East = 1, South = 2, West = 3 };
// Suits from the highest; a card's number is suit x 13 + rank, rank 0 the ace and 12 the two, so
// card 0 is the ace of spades and card 51 the two of clubs, as the dealing machines count them.
enum Suit : int { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };

inline constexpr int kCardCount = 52;
inline constexpr int kHandSize = 13;
inline constexpr std::string_view kRankLetters = "AKQJT98765432";
inline constexpr std::string_view kSeatLetters = "NESW";

constexpr int CardNumber(int suit, int rank) {
    return suit * kHandSize + rank;
}

// One deal: the seat that holds each card. Every card has exactly one seat by construction; a
// complete deal gives each seat 13 of them.
struct Deal {
    std::array<std::uint8_t, kCardCount> seatOf{};
    bool operator==(const Deal&) const = default;

    // The cards of `seat` in `suit` as rank letters from the highest ("AKT2"; "" for a void).
    std::string suitText(int seat, int suit) const;
};

// A deal with the number of the board it belongs to.
struct NumberedDeal {
    int board = 0;
    Deal deal;
    bool operator==(const NumberedDeal&) const = default;
};

// The seat's Dutch name: "Noord", "Oost", "Zuid", "West".
std::string_view SeatName(int seat);
// "♠A", "♥10": a card as the Dutch messages show it.
std::string CardName(int card);
// The seat of a letter N, E, S or W (either case); nothing for any other.
std::optional<int> SeatOfLetter(char letter);
// The rank of a letter A K Q J T 9 ... 2 (either case); nothing for any other.
std::optional<int> RankOfLetter(char letter);

// The deal of four hands of card numbers, in seat order. Refused, with the Dutch reason in
// `problem`, unless the hands hold 13 cards each and every card exactly once.
std::optional<Deal> DealOfHands(const std::array<std::vector<int>, 4>& hands, std::string& problem);

// Empty when every seat holds 13 cards, else the reason in Dutch.
std::string IncompleteDealText(const Deal& deal);

} // namespace velk
