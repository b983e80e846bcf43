#include "hands/BoardHandsText.h"

#include "core/TextHelpers.h"
#include "hands/BoardFacts.h"
#include "scoring/Vulnerability.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velk {

namespace {

constexpr std::array<std::string_view, 4> kSuitSymbols = {"♠", "♥", "♦", "♣"};
constexpr std::array<std::string_view, 4> kDutchSeatLetters = {"N", "O", "Z", "W"};
constexpr std::array<std::string_view, 5> kVulnerableNames = {"", "niemand", "NZ", "OW", "allen"};
// The table between West and East, one line per suit line.
constexpr std::array<std::string_view, 4> kCompass = {"", "    N", "  W   O", "    Z"};
constexpr int kTableWidth = 12;
constexpr int kMinHandWidth = 22;

std::string SuitLine(const Deal& deal, int seat, int suit) {
    const std::string ranks = DutchRanks(deal.suitText(seat, suit));
    return std::string(kSuitSymbols[static_cast<std::size_t>(suit)]) + " " + (ranks.empty() ? "-" : ranks);
}

std::string StrainText(int strain) {
    if (strain < Spades || strain > Clubs)
        return "SA";
    return std::string(kSuitSymbols[static_cast<std::size_t>(strain)]);
}

std::string SeatsText(int seats) {
    if (seats == ParNorthSouth)
        return "NZ";
    if (seats == ParEastWest)
        return "OW";
    return seats >= North && seats <= West ? std::string(kDutchSeatLetters[static_cast<std::size_t>(seats)])
                                           : "?";
}

} // namespace

std::string DutchRanks(std::string_view pbnRanks) {
    std::string out;
    for (const char c : pbnRanks) {
        if (!out.empty())
            out += ' ';
        switch (c) {
        case 'K':
            out += 'H';
            break;
        case 'Q':
            out += 'V';
            break;
        case 'J':
            out += 'B';
            break;
        case 'T':
            out += "10";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string BoardTitleLine(int board) {
    return "Spel " + std::to_string(board) + "   Gever: " + std::string(SeatName(BoardDealer(board))) +
           "   Kwetsbaar: " +
           std::string(kVulnerableNames[static_cast<std::size_t>(BoardVulnerability(board))]);
}

std::vector<std::string> HandDiagramLines(const Deal& deal) {
    // A long West hand pushes the table and East to the right.
    int west = kMinHandWidth;
    for (int suit = 0; suit < 4; ++suit)
        west = std::max(west, static_cast<int>(DutchRanks(deal.suitText(West, suit)).size()) + 4);
    const std::string indent(static_cast<std::size_t>(west), ' ');
    std::vector<std::string> lines;
    for (int suit = 0; suit < 4; ++suit)
        lines.push_back(indent + SuitLine(deal, North, suit));
    for (int suit = 0; suit < 4; ++suit)
        lines.push_back(PadRight(SuitLine(deal, West, suit), west) +
                        PadRight(kCompass[static_cast<std::size_t>(suit)], kTableWidth) +
                        SuitLine(deal, East, suit));
    for (int suit = 0; suit < 4; ++suit)
        lines.push_back(indent + SuitLine(deal, South, suit));
    return lines;
}

std::vector<std::string> TricksTableLines(const TricksTable& tricks) {
    constexpr std::array<int, kStrainCount> order = {NoTrump, Spades, Hearts, Diamonds, Clubs};
    std::string head = "     ";
    for (const int strain : order)
        head += PadLeft(StrainText(strain), 3);
    std::vector<std::string> lines = {head};
    for (int seat = 0; seat < 4; ++seat) {
        std::string line = "   " + std::string(kDutchSeatLetters[static_cast<std::size_t>(seat)]) + " ";
        for (const int strain : order) {
            char cell[8];
            std::snprintf(cell, sizeof cell, "%3d", tricks.at(seat, strain));
            line += cell;
        }
        lines.push_back(line);
    }
    return lines;
}

std::string DutchParContract(const ParContract& c) {
    std::string text = std::to_string(c.level) + StrainText(c.strain);
    if (c.underTricks > 0)
        text += "X-" + std::to_string(c.underTricks);
    else if (c.overTricks > 0)
        text += "+" + std::to_string(c.overTricks);
    return text + " " + SeatsText(c.seats);
}

std::string DutchParLine(const ParResult& par) {
    std::string line = "Par: " + std::to_string(par.score) + " (NZ)";
    for (std::size_t i = 0; i < par.contracts.size(); ++i)
        line += (i == 0 ? "  " : ", ") + DutchParContract(par.contracts[i]);
    return line;
}

std::vector<std::string> BoardHandsLines(const HandBoard& board) {
    std::vector<std::string> lines = {BoardTitleLine(board.board), {}};
    for (std::string& line : HandDiagramLines(board.deal))
        lines.push_back(std::move(line));
    lines.emplace_back();
    if (!board.analysis) {
        lines.emplace_back("Nog niet geanalyseerd");
        return lines;
    }
    for (std::string& line : TricksTableLines(board.analysis->tricks))
        lines.push_back(std::move(line));
    lines.push_back(DutchParLine(board.analysis->par));
    return lines;
}

} // namespace velk
