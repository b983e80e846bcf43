#include "hands/PbnHandRecord.h"

#include "hands/BoardFacts.h"
#include "hands/DealText.h"

#include <algorithm>
#include <array>

namespace velk {

namespace {

// The analysis tags' order of declarers and strains.
constexpr std::array<int, 4> kDeclarers = {North, South, East, West};
constexpr std::array<int, 5> kStrains = {NoTrump, Spades, Hearts, Diamonds, Clubs};
constexpr std::string_view kHex = "0123456789abcdef";

std::string DoubleDummyTricksText(const TricksTable& table) {
    std::string text;
    for (const int seat : kDeclarers)
        for (const int strain : kStrains)
            text += kHex[static_cast<std::size_t>(std::clamp(table.at(seat, strain), 0, 13))];
    return text;
}

bool ReadDoubleDummyTricks(std::string_view text, TricksTable& table) {
    if (text.size() != 20)
        return false;
    std::size_t at = 0;
    for (const int seat : kDeclarers)
        for (const int strain : kStrains) {
            char c = text[at++];
            if (c >= 'A' && c <= 'F')
                c = static_cast<char>(c - 'A' + 'a');
            const auto digit = kHex.find(c);
            if (digit == std::string_view::npos || digit > 13)
                return false;
            table.tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] =
                static_cast<int>(digit);
        }
    return true;
}

std::string ParContractsText(const ParResult& par) {
    if (par.contracts.empty())
        return "Pass";
    std::string text;
    for (const ParContract& c : par.contracts) {
        if (!text.empty())
            text += ", ";
        // "4S NS" as the tag writes it: the seats first.
        const std::string shown = ParContractText(c);
        const auto space = shown.find(' ');
        text += shown.substr(space + 1) + " " + shown.substr(0, space);
    }
    return text;
}

bool ReadParContracts(std::string_view text, ParResult& par) {
    par.contracts.clear();
    if (text == "Pass")
        return true;
    while (!text.empty()) {
        const auto comma = text.find(", ");
        const std::string_view item = text.substr(0, comma);
        const auto space = item.find(' ');
        ParContract c;
        if (space == std::string_view::npos ||
            !ParseParContract(std::string(item.substr(space + 1)) + " " + std::string(item.substr(0, space)),
                              c) ||
            par.contracts.size() >= 10)
            return false;
        par.contracts.push_back(c);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 2);
    }
    return !par.contracts.empty();
}

bool ReadOptimumScore(std::string_view text, int& score) {
    if (text.substr(0, 3) != "NS ")
        return false;
    text.remove_prefix(3);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 5)
        return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    score = negative ? -value : value;
    return true;
}

bool BoardNumber(const std::string& text, int& board) {
    if (text.empty() || text.size() > 3)
        return false;
    board = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        board = board * 10 + (c - '0');
    }
    return board >= 1;
}

} // namespace

std::string PbnDate(std::string_view date) {
    if (date.size() != 10 || date[2] != '-' || date[5] != '-')
        return {};
    return std::string(date.substr(6, 4)) + "." + std::string(date.substr(3, 2)) + "." +
           std::string(date.substr(0, 2));
}

std::string PbnBoardTags(const HandRecord& record, const HandBoard& b) {
    std::string text;
    for (const auto& [name, value] :
         {std::pair<std::string_view, std::string>{"Event", record.event},
          {"Site", ""},
          {"Date", PbnDate(record.date)},
          {"Board", std::to_string(b.board)},
          {"Dealer", std::string(1, kSeatLetters[static_cast<std::size_t>(BoardDealer(b.board))])},
          {"Vulnerable", std::string(PbnVulnerability(b.board))},
          {"Deal", PbnDealText(b.deal)}})
        text += PbnTagLine(name, value) + "\r\n";
    if (!b.analysis)
        return text;
    const BoardAnalysis& a = *b.analysis;
    text += PbnTagLine("DoubleDummyTricks", DoubleDummyTricksText(a.tricks)) + "\r\n";
    text += PbnTagLine("OptimumScore", "NS " + std::to_string(a.par.score)) + "\r\n";
    text += PbnTagLine("ParContract", ParContractsText(a.par)) + "\r\n";
    text += PbnTagLine("OptimumResultTable", "Declarer;Denomination\\2R;Result\\2R") + "\r\n";
    for (const int seat : kDeclarers)
        for (const int strain : kStrains) {
            const std::string_view name = StrainName(strain);
            const int tricks = a.tricks.at(seat, strain);
            text += std::string(1, kSeatLetters[static_cast<std::size_t>(seat)]) +
                    (name.size() == 1 ? "  " : " ") + std::string(name) + " " + (tricks < 10 ? " " : "") +
                    std::to_string(tricks) + "\r\n";
        }
    return text;
}

std::string PbnHandRecordText(const HandRecord& record) {
    std::string text = "% PBN 2.1\r\n% EXPORT\r\n";
    for (const HandBoard& b : record.boards)
        text += "\r\n" + PbnBoardTags(record, b);
    return text;
}

bool HandRecordOfPbn(const std::vector<PbnGame>& games, bool withAnalysis, HandRecord& record,
                     std::string& problem) {
    HandRecord read;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const PbnGame& game = games[i];
        const std::string* dealText = game.value("Deal");
        if (!dealText)
            continue;
        if (read.boards.empty()) {
            if (const std::string* event = game.value("Event"))
                read.event = *event;
            if (const std::string* date = game.value("Date"); date && date->size() == 10)
                read.date = date->substr(8, 2) + "-" + date->substr(5, 2) + "-" + date->substr(0, 4);
        }
        const std::string where = "spel " + std::to_string(i + 1) + " van het bestand";
        HandBoard board;
        const std::string* number = game.value("Board");
        if (!number || !BoardNumber(*number, board.board)) {
            problem = where + ": geen spelnummer van 1 tot 999";
            return false;
        }
        auto deal = ParsePbnDeal(*dealText, problem);
        if (!deal) {
            problem = "spel " + std::to_string(board.board) + ": " + problem;
            return false;
        }
        board.deal = *deal;
        if (read.find(board.board)) {
            problem = "spel " + std::to_string(board.board) + " staat twee keer in het bestand";
            return false;
        }
        const std::string* tricks = game.value("DoubleDummyTricks");
        const std::string* score = game.value("OptimumScore");
        const std::string* contracts = game.value("ParContract");
        if (withAnalysis && (tricks || score || contracts)) {
            BoardAnalysis a;
            if (!tricks || !score || !contracts || !ReadDoubleDummyTricks(*tricks, a.tricks) ||
                !ReadOptimumScore(*score, a.par.score) || !ReadParContracts(*contracts, a.par)) {
                problem = "spel " + std::to_string(board.board) + ": de analyse is onleesbaar";
                return false;
            }
            board.analysis = a;
        }
        read.boards.push_back(board);
    }
    std::sort(read.boards.begin(), read.boards.end(),
              [](const HandBoard& a, const HandBoard& b) { return a.board < b.board; });
    record = std::move(read);
    return true;
}

bool ParsePbnHandRecord(std::string_view text, bool withAnalysis, HandRecord& record, std::string& problem) {
    std::vector<PbnGame> games;
    return ParsePbnGames(text, games, problem) && HandRecordOfPbn(games, withAnalysis, record, problem);
}

} // namespace velk
