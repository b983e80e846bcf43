#include "scoring/TypedScore.h"

#include "core/records/ScoreRecord.h"
#include "scoring/ConversionError.h"
#include "scoring/ScoreText.h"

#include <string>

namespace velk {

namespace {
bool IsCodeLetter(char c) {
    return c == '@' || (c >= 'A' && c <= 'M') || c == 'O' || c == 'S' || c == 'Z';
}

std::uint8_t FlagsOf(const std::string& text) {
    std::uint8_t flags = 0;
    if (text.find('!') != std::string::npos)
        flags = ScoreFlag::Remarkable;
    if (text.find('?') != std::string::npos)
        flags = ScoreFlag::Doubtful;
    if (text.find('$') != std::string::npos)
        flags = ScoreFlag::NotComplement;
    return flags;
}

// The marks are a note on the score, not part of its value.
std::string WithoutMarks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '!' && c != '?' && c != '$')
            out += c;
    return out;
}
} // namespace

TypedScore ParseTypedScore(std::string_view typed, bool shortNotation) {
    TypedScore out;
    const std::string upper = scoring::UpperTrimmed(typed);
    if (upper.empty())
        return out;
    out.Flags = FlagsOf(upper);
    const std::string text = WithoutMarks(upper);
    if (text.empty())
        return out;

    out.Code = IsCodeLetter(text[0]) ? text[0] : 'N';
    switch (out.Code) {
    case '@':
    case 'Z':
        out.Code = '@';
        return out;
    case 'O':
        return out;
    case 'A':
    case 'B':
    case 'S': {
        // The percentage between the letter and the closing "%"; without the sign, the rest.
        std::string_view number = std::string_view(text).substr(1);
        if (!number.empty() && number.back() == '%')
            number.remove_suffix(1);
        const auto value = scoring::ParseWholeNumber(number);
        if (!value) {
            out.Error = ConversionError::NotANumber;
            return out;
        }
        out.Score = static_cast<std::int16_t>(*value);
        if (*value < 0)
            out.Error = ConversionError::FixedOutOfRange;
        return out;
    }
    case 'L':
    case 'M': {
        const auto tenths = scoring::ParseTenths(std::string_view(text).substr(1));
        if (!tenths) {
            out.Error = ConversionError::NotADecimal;
            return out;
        }
        out.Score = static_cast<std::int16_t>(*tenths);
        // The calculation holds these in hundredths within 13 bits.
        if (*tenths < 0 || *tenths * 10 > kLargestFixedHundredths)
            out.Error = ConversionError::FixedOutOfRange;
        return out;
    }
    default:
        break;
    }

    // 'N' and the letters C ... K: the whole text is the number, so a letter never converts.
    const auto value = scoring::ParseWholeNumber(text);
    if (!value) {
        if (out.Code == 'K')
            out.Code = '@';
        out.Error = ConversionError::NotANumber;
        return out;
    }
    int score = *value;
    if (shortNotation && out.Code == 'N') {
        score *= 10;
        if (score > 32767 || score < -32768) {
            out.Error = ConversionError::NotANumber;
            return out;
        }
    }
    out.Score = static_cast<std::int16_t>(score);
    return out;
}

} // namespace velk
