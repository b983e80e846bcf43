#include "core/files/DlmFile.h"

#include <cstdio>
#include <map>

namespace velk {

namespace {

constexpr std::size_t kLetters = kCardCount / 2;
constexpr int kMaxBoard = 999;

int CheckDigits(int board, std::string_view letters) {
    int check = board;
    for (const char c : letters)
        check ^= static_cast<unsigned char>(c);
    return check;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool WholeNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// The [Document] section's keys (lower case) and values.
bool DocumentSection(std::string_view text, std::map<std::string, std::string>& keys, std::string& problem) {
    bool inDocument = false, seen = false;
    std::size_t at = 0;
    int number = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trimmed(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            inDocument = Lower(line) == "[document]";
            seen = seen || inDocument;
            continue;
        }
        if (!inDocument)
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            problem = "regel " + std::to_string(number) + " is geen sleutel=waarde";
            return false;
        }
        keys[Lower(Trimmed(line.substr(0, equals)))] = std::string(Trimmed(line.substr(equals + 1)));
    }
    if (!seen)
        problem = "het bestand heeft geen [Document]";
    return seen;
}

std::optional<Deal> DecodeBoard(int board, std::string_view code, std::string& problem) {
    if (code.size() != kLetters + 3) {
        problem = "de regel heeft " + std::to_string(code.size()) + " tekens in plaats van 29";
        return std::nullopt;
    }
    std::array<std::vector<int>, 4> hands;
    for (std::size_t i = 0; i < kLetters; ++i) {
        const char c = code[i];
        if (c < 'a' || c > 'p') {
            problem = std::string("teken '") + c + "' is geen letter a tot p";
            return std::nullopt;
        }
        const int pair = c - 'a';
        hands[static_cast<std::size_t>(pair / 4)].push_back(static_cast<int>(2 * i));
        hands[static_cast<std::size_t>(pair % 4)].push_back(static_cast<int>(2 * i + 1));
    }
    int check = 0;
    if (!WholeNumber(code.substr(kLetters), check) || check != CheckDigits(board, code.substr(0, kLetters))) {
        problem = "het controlegetal klopt niet";
        return std::nullopt;
    }
    return DealOfHands(hands, problem);
}

} // namespace

std::string DlmBoardCode(int board, const Deal& deal) {
    std::string code;
    for (std::size_t i = 0; i < kLetters; ++i)
        code += static_cast<char>('a' + deal.seatOf[2 * i] * 4 + deal.seatOf[2 * i + 1]);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", CheckDigits(board, code) % 1000);
    return code + digits;
}

bool ParseDlmFile(std::span<const std::uint8_t> bytes, std::vector<NumberedDeal>& boards,
                  std::string& problem) {
    boards.clear();
    if (bytes.size() > kMaxDlmFileBytes) {
        problem = "het bestand is te groot voor een spellenbestand";
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::map<std::string, std::string> keys;
    if (!DocumentSection(text, keys, problem))
        return false;
    int from = 0, to = 0;
    if (!WholeNumber(keys["from board"], from) || !WholeNumber(keys["to board"], to) || from < 1 ||
        to < from || to > kMaxBoard) {
        problem = "\"From board\" en \"To board\" ontbreken of zijn onleesbaar";
        return false;
    }
    std::vector<NumberedDeal> read;
    for (int board = from; board <= to; ++board) {
        char two[32], plain[32];
        std::snprintf(two, sizeof two, "board %02d", board);
        std::snprintf(plain, sizeof plain, "board %d", board);
        auto found = keys.find(two);
        if (found == keys.end())
            found = keys.find(plain);
        if (found == keys.end()) {
            problem = "spel " + std::to_string(board) + " ontbreekt";
            return false;
        }
        auto deal = DecodeBoard(board, found->second, problem);
        if (!deal) {
            problem = "spel " + std::to_string(board) + ": " + problem;
            return false;
        }
        read.push_back({board, *deal});
    }
    boards = std::move(read);
    return true;
}

std::vector<std::uint8_t> DlmFileBytes(const std::vector<NumberedDeal>& boards) {
    std::string text = "[Document]\r\nHeadline=Velk\r\nStatus=Show\r\nDuplicates=1\r\n";
    if (!boards.empty()) {
        const int from = boards.front().board;
        text += "From board=" + std::to_string(from) + "\r\n";
        text += "To board=" + std::to_string(from + static_cast<int>(boards.size()) - 1) + "\r\n";
        int board = from;
        for (const NumberedDeal& b : boards) {
            char key[32];
            std::snprintf(key, sizeof key, "Board %02d=", board);
            text += key + DlmBoardCode(board, b.deal) + "\r\n";
            ++board;
        }
    }
    return {text.begin(), text.end()};
}

} // namespace velk
