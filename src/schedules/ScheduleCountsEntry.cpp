#include "schedules/ScheduleCountsEntry.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/files/BaseScheduleFile.h"

#include <algorithm>
#include <cctype>

namespace velk {

const std::array<const char*, 5> kScheduleTypeShortNames = {"Free", "Mtplx", "Howll", "Mitch", "Schvn"};

int ScheduleTypeIndex(const std::string& text) {
    const std::string t(Trim(text));
    for (std::size_t i = 0; i < kScheduleTypeShortNames.size(); ++i)
        if (t == kScheduleTypeShortNames[i])
            return static_cast<int>(i);
    return 0;
}

namespace {

struct CountRule {
    const char* Zero;
    const char* TooLarge;
    int Limit;
};

constexpr CountRule kRules[] = {{"Aantal Paren = 0 ", "Aantal Paren te veel: ", 512},
                                {"Aantal Tafels = 0 ", "Aantal Tafels te veel: ", kMaxScheduleByte},
                                {"Aantal Ronden = 0 ", "Aantal Ronden te groot: ", 16},
                                {"Aantal Spelgroepen = 0", "Aantal Spelgroepen te groot: ", 26}};

std::optional<int> ReadCount(const std::string& text) {
    const std::string t(Trim(text));
    if (t.empty() || t.size() > 6 ||
        !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoi(t);
}

void Refuse(const std::string& reason, Dialogs& dialogs, ErrorCode& errorCode) {
    dialogs.beep();
    ShowFileError(dialogs, errorCode, "Aantal foutief \r" + reason + " ", FileError::InvalidValue,
                  Hint::CorrectInput);
}

} // namespace

std::optional<int> CheckCount(CountField field, const std::string& text, Dialogs& dialogs,
                              ErrorCode& errorCode) {
    const CountRule& rule = kRules[static_cast<int>(field)];
    const auto value = ReadCount(text);
    if (!value || *value == 0) {
        Refuse(rule.Zero, dialogs, errorCode);
        return std::nullopt;
    }
    if (*value > rule.Limit) {
        Refuse(rule.TooLarge + std::to_string(*value), dialogs, errorCode);
        return std::nullopt;
    }
    return value;
}

CountsResult CheckScheduleCounts(const std::array<std::string, 4>& texts, const Club& club, Dialogs& dialogs,
                                 ErrorCode& errorCode) {
    CountsResult result;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto value =
            CheckCount(static_cast<CountField>(i), texts[static_cast<std::size_t>(i)], dialogs, errorCode);
        if (!value) {
            result.WrongField = static_cast<CountField>(i);
            return result;
        }
        values[i] = *value;
    }
    result.Counts = {values[0], values[1], values[2], values[3]};
    if (club.CurrentSession > 0 &&
        club.SessionHead.BoardCount < values[2] * club.SessionHead.BoardsPerRound &&
        !dialogs.askYesNo("Aantalspellen is kleiner dan aantal rondes x spellen_per_tafel; Doorgaan ?")) {
        result.WrongField = CountField::Rounds;
        return result;
    }
    result.Accepted = true;
    return result;
}

std::optional<int> CheckRenumberPairs(const std::string& text, Dialogs& dialogs, ErrorCode& errorCode) {
    return CheckCount(CountField::Pairs, std::string(Trim(text)).substr(0, 2), dialogs, errorCode);
}

} // namespace velk
