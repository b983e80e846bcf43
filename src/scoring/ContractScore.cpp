#include "scoring/ContractScore.h"

#include "core/TextEncoding.h"
#include "scoring/ConversionError.h"
#include "scoring/ScoreText.h"
#include "scoring/Vulnerability.h"

namespace velk {

namespace {
constexpr std::size_t kContractLength = 6;
constexpr int kTricksInHand = 13;
constexpr int kBookTricks = 6;

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

bool AfterStrain(const std::string& text, std::string_view what) {
    return text.size() > 2 && text.find(what, 2) != std::string::npos;
}

// 0 undoubled, 1 doubled, 2 redoubled; the strain letter itself (the R of 3R) never counts.
int DoublingIndex(const std::string& text) {
    int index = 0;
    if (AfterStrain(text, "D"))
        index = 1;
    if (AfterStrain(text, "X"))
        index = 1;
    if (AfterStrain(text, "R"))
        index = 2;
    if (AfterStrain(text, "XX"))
        index = 2;
    return index;
}

int Penalty(int index, int down) {
    const int doubledNotVulnerable = down <= 3 ? (2 * down - 1) * 100 : (3 * down - 4) * 100;
    const int doubledVulnerable = (3 * down - 1) * 100;
    switch (index) {
    case 0:
        return -50 * down;
    case 1:
        return -doubledNotVulnerable;
    case 2:
        return -2 * doubledNotVulnerable;
    case 3:
        return -100 * down;
    case 4:
        return -doubledVulnerable;
    default:
        return -2 * doubledVulnerable;
    }
}

int OvertrickValue(int index, bool minor) {
    switch (index) {
    case 0:
    case 3:
        return minor ? 20 : 30;
    case 1:
        return 100;
    case 2:
    case 4:
        return 200;
    default:
        return 400;
    }
}
} // namespace

ContractConversion ContractScore(std::string_view contract, std::string_view result, int side, int board,
                                 std::span<const TContrScrOBJ> contractTable) {
    ContractConversion out;
    std::string text = Utf8Left(scoring::UpperTrimmed(contract), kContractLength);
    out.Contract = text;
    if (text.empty())
        return out;

    const char first = text[0];
    if (first == '=' || first == '?') {
        out.Code = 'N';
        return out;
    }
    const bool level = first >= '1' && first <= '7';
    if (!level && first != 'A' && first != 'N' && first != 'P' && first != 'Z') {
        out.Error = ConversionError::ContractStart;
        return out;
    }
    const std::string resultText = scoring::UpperTrimmed(result);
    switch (first) {
    case 'A':
        out.Contract = "AFW";
        return out;
    case 'N':
        out.Contract = "NG";
        return out;
    case 'Z':
        out.Contract = "ZIT";
        return out;
    case 'P':
        out.Contract = "PAS";
        out.Code = 'N';
        if (resultText.empty())
            out.Error = ConversionError::ResultWrong;
        return out;
    default:
        break;
    }
    if (text.size() < 2) {
        out.Error = ConversionError::ContractUnknown;
        return out;
    }

    int index = DoublingIndex(text);
    if (IsVulnerable(board, side))
        index += kVulnerableOffset;

    std::string key;
    if (text[1] == 'A') {
        text.insert(2, "A");
        text[1] = 'S';
        text = text.substr(0, kContractLength);
        out.Contract = text;
        key = text.substr(0, 3);
    } else if (text.find("SA") == std::string::npos) {
        key = text.substr(0, 2);
    } else {
        key = text.substr(0, 3);
    }
    key = Trimmed(key);

    const TContrScrOBJ* found = nullptr;
    for (const auto& record : contractTable) {
        if (Trimmed(record.Name.get()) == key) {
            found = &record;
            break;
        }
    }
    if (found == nullptr) {
        out.Error = ConversionError::ContractUnknown;
        return out;
    }
    int score = found->Scores[static_cast<std::size_t>(index)];

    if (resultText.empty()) {
        out.Error = ConversionError::ResultWrong;
        return out;
    }
    out.Code = 'N';
    if (resultText[0] != 'C') {
        const auto tricks = scoring::ParseWholeNumber(resultText);
        const int contracted = (first - '0') + kBookTricks;
        // A result that leaves the declarer with fewer than no tricks or more than thirteen is a
        // typing error; it must not pass as the contract made.
        if (!tricks || contracted + *tricks < 0 || contracted + *tricks > kTricksInHand) {
            out.Code = '@';
            out.Error = ConversionError::ResultWrong;
            return out;
        }
        const bool minor = text[1] == 'K' || text[1] == 'R';
        if (*tricks < 0)
            score = Penalty(index, -*tricks);
        else
            score += *tricks * OvertrickValue(index, minor);
    }
    out.Score = static_cast<std::int16_t>(score);
    return out;
}

} // namespace velk
