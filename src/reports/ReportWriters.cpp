#include "reports/ReportWriters.h"

#include "reports/PairListReport.h"
#include "reports/SessionResultsReport.h"
#include "reports/SlamTotalsReport.h"
#include "reports/SummerDrivesReport.h"
#include "reports/YearTotalsReport.h"

namespace velk {

ReportWriter WriterOf(ReportKind kind) {
    using K = ReportKind;
    switch (kind) {
    case K::PointsByNumber:
    case K::PointsByRank:
    case K::PercentagesByNumber:
    case K::PercentagesByRank:
        return &WriteSessionResults;
    case K::PairList:
        return &WritePairList;
    case K::YearTotalsByNumber:
    case K::YearTotalsByPlace:
        return &WriteYearTotals;
    case K::SummerDrives:
        return &WriteSummerDrives;
    case K::SlamTotals:
        return &WriteSlamTotals;

    // The per-pair pages are files of their own, not a list of the window.
    case K::AllPairsPages:
    // Written by the schedule lists.
    case K::GuideCards:
    case K::StartPositions:
    case K::ScheduleByRound:
    case K::ScheduleByTable:
    case K::CompleteSchedule:
    case K::NorthSouthCount:
    case K::Meetings:
    // Written by the score, match-point and frequency tables.
    case K::ScoresPerBoard:
    case K::ScoresPerBoardAllGroups:
    case K::ScoresPerPair:
    case K::ArbitralScores:
    case K::BlankScores:
    case K::FragmentScores:
    case K::TurnedBoards:
    case K::SuspectScores:
    case K::DeviatingVulnerability:
    case K::CountList:
    case K::MatchPointsPerPair:
    case K::MatchPointTotalsPerPair:
    case K::MatchPointsPerBoard:
    case K::Frequencies:
    case K::GroupCountList:
    case K::AllScores:
    case K::ArbitralScoreTable:
    case K::ContractScores:
        return nullptr;
    }
    return nullptr;
}

bool WriteReport(ReportContext& context, ReportSink& sink) {
    const ReportWriter writer = WriterOf(context.kind);
    if (!writer)
        return false;
    writer(context, sink);
    return true;
}

} // namespace velk
