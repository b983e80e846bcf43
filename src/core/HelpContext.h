#pragma once

namespace velk {

// Topics of the help pages, by the context number the windows and messages pass. Each number has
// its page help/NUMBER.html; 0 opens the contents.
namespace HelpContext {
enum : int {
    None = 0,
    UsingHelp = 100,
    UsingVelk = 130,
    MovePair = 226,
    PointsForm = 232,
    CorrectionForm = 233,
    RenumberView = 245,
    ComposeSchedule = 246,
    ScheduleEntryView1 = 2411,
    ScheduleEntryView2 = 2412,
    ScheduleEntryView3 = 2413,
    ScheduleLists = 244,
    ScoreEntry = 251,
    ScoreLists = 252,
    SlamCheck = 254,
    ResultWindow = 260,
    PointsList = 261,
    PercentagesList = 262,
    MatchPointLists = 263,
    FrequencyList = 264,
    YearTotalsList = 265,
    SlamTotalsList = 266,
    PairListReport = 267,
    ContractEntry = 258,
    TablesWindow = 259,
    OptionsPersonal = 282,
    OptionsPrint = 283,
    OptionsSettings = 284,
    OptionsSlamBonus = 285,
    ComposePairs = 353,
    ImportMembers = 362,
    PointsRow = 430,
    PointsColumn = 431,
    SubstitutesColumn = 432,
};
}

} // namespace velk
