#include "core/files/DupFile.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velk {

namespace {

constexpr std::array<std::uint8_t, 4> kSuitSymbols = {0x06, 0x03, 0x04, 0x05};
constexpr std::string_view kSuitLetters = "SHDC";
constexpr std::size_t kBriSize = 78;
constexpr std::size_t kDgeSize = 68;

std::string BoardText(std::size_t index) {
    return "spel " + std::to_string(index + 1) + " van het bestand";
}

// The 39 card numbers of North, East and South; West gets the rest.
std::optional<Deal> ReadBri(const std::uint8_t* p, std::string& problem) {
    std::array<std::vector<int>, 4> hands;
    std::array<bool, kCardCount> dealt{};
    for (std::size_t i = 0; i < 39; ++i) {
        const std::uint8_t a = p[2 * i], b = p[2 * i + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') {
            problem = "geen kaartnummer op positie " + std::to_string(2 * i + 1);
            return std::nullopt;
        }
        const int number = (a - '0') * 10 + (b - '0');
        if (number < 1 || number > kCardCount) {
            problem = "kaartnummer " + std::to_string(number) + " bestaat niet";
            return std::nullopt;
        }
        hands[i / kHandSize].push_back(number - 1);
        // A card given twice is left to DealOfHands to name; West must not get it again.
        dealt[static_cast<std::size_t>(number - 1)] = true;
    }
    for (int card = 0; card < kCardCount; ++card)
        if (!dealt[static_cast<std::size_t>(card)])
            hands[West].push_back(card);
    return DealOfHands(hands, problem);
}

// The sorted hands as the machine's display shows them, N E S W.
std::optional<Deal> ReadDge(const std::uint8_t* p) {
    std::array<std::vector<int>, 4> hands;
    std::size_t at = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const std::size_t end = at + 17;
        int suit = -1;
        for (; at < end; ++at) {
            const std::uint8_t c = p[at];
            const auto symbol = std::find(kSuitSymbols.begin(), kSuitSymbols.end(), c);
            const auto letter = kSuitLetters.find(static_cast<char>(c));
            const int next = symbol != kSuitSymbols.end() ? static_cast<int>(symbol - kSuitSymbols.begin())
                             : letter != std::string_view::npos ? static_cast<int>(letter)
                                                                : -1;
            if (next == suit + 1) {
                suit = next;
                continue;
            }
            const auto rank = RankOfLetter(static_cast<char>(c));
            if (suit < 0 || !rank)
                return std::nullopt;
            hands[static_cast<std::size_t>(seat)].push_back(CardNumber(suit, *rank));
        }
        if (suit != 3)
            return std::nullopt;
    }
    std::string unused;
    return DealOfHands(hands, unused);
}

int TrailerNumber(const std::uint8_t* p, std::size_t n) {
    int value = 0;
    bool any = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] == ' ')
            continue;
        if (p[i] < '0' || p[i] > '9')
            return -1;
        value = value * 10 + (p[i] - '0');
        any = true;
    }
    return any ? value : -1;
}

bool ParseFullRecords(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                      std::string& problem) {
    const std::size_t count = bytes.size() / kDupRecordSize;
    int first = 1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* record = bytes.data() + i * kDupRecordSize;
        const std::uint8_t* trailer = record + kBriSize + kDgeSize;
        const auto yesNo = [](std::uint8_t c) { return c == 'Y' || c == 'N'; };
        const int lowest = TrailerNumber(trailer + 2, 3);
        if (!yesNo(trailer[0]) || !yesNo(trailer[1]) || lowest < 1 || TrailerNumber(trailer + 5, 2) < 1 ||
            TrailerNumber(trailer + 7, 3) < lowest) {
            problem = BoardText(i) + ": de laatste 10 tekens zijn onleesbaar";
            return false;
        }
        if (i == 0)
            first = lowest;
        auto deal = ReadBri(record, problem);
        if (!deal) {
            problem = BoardText(i) + ": " + problem;
            return false;
        }
        if (ReadDge(record + kBriSize) != deal) {
            problem = BoardText(i) + ": de gesorteerde handen verschillen van de kaartnummers";
            return false;
        }
        boards.push_back({first + static_cast<int>(i), *deal});
    }
    return true;
}

// The older form: lines of 78 digits.
bool ParseLines(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                std::string& problem) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = at;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        if (end > at) {
            if (end - at != kBriSize) {
                problem = BoardText(boards.size()) + ": een regel van " + std::to_string(end - at) +
                          " tekens in plaats van 78";
                return false;
            }
            auto deal = ReadBri(bytes.data() + at, problem);
            if (!deal) {
                problem = BoardText(boards.size()) + ": " + problem;
                return false;
            }
            boards.push_back({static_cast<int>(boards.size()) + 1, *deal});
        }
        at = end + 1;
    }
    return true;
}

void AppendNumber(std::vector<std::uint8_t>& out, int value, std::size_t width) {
    char text[16];
    std::snprintf(text, sizeof text, "%-*d", static_cast<int>(width), value);
    out.insert(out.end(), text, text + width);
}

} // namespace

bool ParseDupFile(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                  std::string& problem) {
    boards.clear();
    std::vector<NumberedDeal> read;
    bool ok = false;
    if (bytes.empty())
        problem = "het bestand is leeg";
    else if (bytes.size() > kMaxDupFileBytes)
        problem = "het bestand is te groot voor een spellenbestand";
    else if (bytes.size() % kDupRecordSize == 0 && bytes[kBriSize] != '\r' && bytes[kBriSize] != '\n')
        ok = ParseFullRecords(bytes, read, problem);
    else
        ok = ParseLines(bytes, read, problem);
    if (ok && read.empty()) {
        problem = "het bestand bevat geen spellen";
        ok = false;
    }
    if (ok)
        boards = std::move(read);
    return ok;
}

std::vector<std::uint8_t> DupFileBytes(const std::vector<NumberedDeal>& boards) {
    std::vector<std::uint8_t> out;
    if (boards.empty())
        return out;
    const int lowest = boards.front().board;
    const int highest = lowest + static_cast<int>(boards.size()) - 1;
    out.reserve(boards.size() * kDupRecordSize);
    for (const NumberedDeal& board : boards) {
        for (int seat = North; seat <= South; ++seat)
            for (int card = 0; card < kCardCount; ++card)
                if (board.deal.seatOf[static_cast<std::size_t>(card)] == seat) {
                    out.push_back(static_cast<std::uint8_t>('0' + (card + 1) / 10));
                    out.push_back(static_cast<std::uint8_t>('0' + (card + 1) % 10));
                }
        for (int seat = 0; seat < 4; ++seat)
            for (int suit = 0; suit < 4; ++suit) {
                out.push_back(kSuitSymbols[static_cast<std::size_t>(suit)]);
                for (const char rank : board.deal.suitText(seat, suit))
                    out.push_back(static_cast<std::uint8_t>(rank));
            }
        out.push_back('Y');
        out.push_back('N');
        AppendNumber(out, lowest, 3);
        AppendNumber(out, 1, 2);
        AppendNumber(out, highest, 3);
    }
    return out;
}

} // namespace velk
