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
// Index into kErrorPrefixes: the message ShowError puts before its text.
namespace ErrorMessage {
enum : int {
    CloseWindowsFirst = 0,
    NoPairs = 1,
    TooFewGroups = 2,
    NoPointsEntered = 3,
    NoPercentagesComputed = 4,
    PrinterOff = 5,
    ChangeNotAllowed = 6,
    FileMissing = 7,
    OtherCompetition = 8,
    SessionCannotOpen = 9,
    DiskAccessDenied = 10,
    CompetitionIndexMismatch = 11,
    WrongChange = 12,
    PairFileIncorrect = 13,
    SessionCannotOpenIndex = 14,
    NoSessionOpen = 15,
    CompetitionNotDone = 16,
    NoCompetitionIndex = 17,
    FolderInaccessible = 18,
    ScheduleCountIncorrect = 19,
    NoScheduleAvailable = 20,
    SchedulePairNotFound = 21,
    NoScoreFile = 22,
    NoMatchPoints = 23,
    PrinterOutOfPaper = 24,
    PrinterNotReady = 25,
    PathMissing = 26,
    NoPairsInGroup = 27,
    DataFileFault = 28,
    NoPercentagesForImps = 29,
    NoSlamRegistration = 30,
    ScoresIncomplete = 31,
    PairDidNotPlay = 32,
    PairMissing = 33,
    BoardNotPlayed = 34,
    SaveFirstThenAgain = 35,
    PrinterFontFault = 36,
    TooManyTablesPerGroup = 37,
    CloseWindowsBeforeColours = 38,
    InvalidNumber = 39,
    ScheduleFileFault = 40,
    GroupsNotDivisorOfTables = 41,
    GroupMissing = 42,
    SessionCannotDelete = 43,
    ParametersIncomplete = 44,
};
}

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
    PhoneLength = 17,
    SexMOrV = 19,
    MemberCountZero = 21,
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
