#pragma once

#include <string>

namespace velk {

// The number of a report, equal to the tag of the menu item that asks for it.
enum class ReportKind : int {
    PointsByNumber = 1,
    PointsByRank = 2,
    PercentagesByNumber = 3,
    PercentagesByRank = 4,
    YearTotalsByNumber = 5,
    YearTotalsByPlace = 6,
    PairList = 7,
    GuideCards = 11,
    StartPositions = 12,
    ScheduleByRound = 13,
    ScheduleByTable = 14,
    CompleteSchedule = 15,
    NorthSouthCount = 16,
    SummerDrives = 17,
    Meetings = 18,
    SlamTotals = 20,
    ScoresPerBoard = 21,
    ScoresPerBoardAllGroups = 22,
    ScoresPerPair = 23,
    ArbitralScores = 24,
    BlankScores = 25,
    FragmentScores = 26,
    TurnedBoards = 27,
    SuspectScores = 28,
    DeviatingVulnerability = 29,
    CountList = 31,
    MatchPointsPerPair = 32,
    MatchPointTotalsPerPair = 33,
    MatchPointsPerBoard = 34,
    Frequencies = 35,
    AllPairsPages = 37,
    GroupCountList = 38,
    AllScores = 41,
    ArbitralScoreTable = 42,
    ContractScores = 43,
    Hands = 44, // "Spelverdeling": the hand record with the travellers

};

// The title line of a report kind; with `topIntegral` the year totals have their own titles.
// Empty for a kind without a title.
std::string ReportTitle(ReportKind kind, bool topIntegral = false);

} // namespace velk
