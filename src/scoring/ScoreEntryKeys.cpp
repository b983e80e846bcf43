#include "scoring/ScoreEntryKeys.h"

#include "scoring/ScoreMessages.h"

#include <cctype>

namespace velk {

namespace {
bool IsMarkOrSign(char c) {
    return std::string_view(" !%+,-./=?").find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool IsResultKey(char c) {
    return c == '+' || c == '-' || Upper(c) == 'C';
}
} // namespace

KeyVerdict CheckEntryKey(EntryCell cell, char c, std::string_view cellText) {
    const char upper = Upper(c);
    switch (cell) {
    case EntryCell::Score:
        if (IsDigit(c) || IsMarkOrSign(c) || (upper >= 'A' && upper <= 'M') || upper == 'S')
            return KeyVerdict::Type;
        return KeyVerdict::Refuse;
    case EntryCell::Contract:
        // A contract has a level and a strain before its result; a pass ("P") has none.
        if (IsResultKey(c)) {
            const bool pass = cellText.size() == 1 && Upper(cellText[0]) == 'P';
            return cellText.size() < 2 && !pass ? KeyVerdict::Refuse : KeyVerdict::MoveToResult;
        }
        if (IsDigit(c) || IsMarkOrSign(c) || (upper >= 'A' && upper <= 'Z'))
            return KeyVerdict::Type;
        return KeyVerdict::Refuse;
    case EntryCell::Result:
        return IsResultKey(c) || IsDigit(c) ? KeyVerdict::Type : KeyVerdict::Refuse;
    }
    return KeyVerdict::Refuse;
}

std::string RefusedKeyMessage(EntryCell cell, std::string_view typedText) {
    std::string_view message;
    switch (cell) {
    case EntryCell::Score:
        message = ScoreMessage(3);
        break;
    case EntryCell::Contract:
        message = ContractMessage(3);
        break;
    case EntryCell::Result:
        message = ContractMessage(11);
        break;
    }
    return std::string(message) + std::string(typedText);
}

} // namespace velk
