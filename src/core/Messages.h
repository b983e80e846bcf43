#pragma once

#include <array>
#include <string_view>

namespace velk {

// The fixed message tables. "\r" breaks a line in the message dialog.
extern const std::array<std::string_view, 45> kErrorPrefixes;
extern const std::array<std::string_view, 50> kFileErrorSuffixes;
extern const std::array<std::string_view, 12> kFileErrorHints;

// An empty text for a code outside the table.
std::string_view ErrorPrefix(int code);
std::string_view FileErrorSuffix(int code);
std::string_view FileErrorHint(int code);

// File-error codes by meaning, where the code says more than the number.
namespace FileError {
enum : int {
    InvalidCharacter = 0,
    ConfigRecord = 1,
    PairList = 2,
    SessionList = 3,
    InvalidDate = 4,
    InvalidValue = 5,
    SessionCalcList = 6,
    ReadFailed = 7,
    WriteFailed = 8,
    AlreadyExists = 9,
    FileMissing = 10,
    ScoreList = 11,
    ScheduleList = 12,
    SlamList = 13,
    NotAllowed = 14,
};
}

namespace Hint {
enum : int {
    None = 0,
    CheckFile = 1,
    NewFileFirst = 2,
    NameWithYear = 3,
    UseNewSession = 4,
    UseBudget = 5,
    TryAgain = 6,
    UseExtra = 7,
    CorrectInput = 8,
    CheckScoreFile = 9,
    CheckSchedules = 10,
    VerifySlams = 11,
};
}

} // namespace velk
