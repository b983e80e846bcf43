#include "reports/ReportWriters.h"

#include "reports/CountListReport.h"
#include "reports/FrequencyReport.h"
#include "reports/GuideCardsReport.h"
#include "reports/HandsReport.h"
#include "reports/MatchPointTablesReport.h"
#include "reports/MeetingsReport.h"
#include "reports/PairListReport.h"
#include "reports/PairPagesHtml.h"
#include "reports/ReferenceTablesReport.h"
#include "reports/ScheduleListsReport.h"
#include "reports/ScoreListsReport.h"
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

    case K::GuideCards:
        return &WriteGuideCards;
    case K::StartPositions:
    case K::ScheduleByRound:
    case K::ScheduleByTable:
    case K::CompleteSchedule:
        return &WriteScheduleList;
    case K::NorthSouthCount:
    case K::Meetings:
        return &WriteMeetingsReport;
    case K::ScoresPerBoard:
    case K::ScoresPerBoardAllGroups:
    case K::ScoresPerPair:
    case K::ArbitralScores:
    case K::BlankScores:
    case K::FragmentScores:
    case K::TurnedBoards:
    case K::SuspectScores:
    case K::DeviatingVulnerability:
        return &WriteScoreList;
    case K::CountList:
    case K::GroupCountList:
        return &WriteCountList;
    case K::MatchPointsPerPair:
    case K::MatchPointTotalsPerPair:
    case K::MatchPointsPerBoard:
        return &WriteMatchPointTable;
    case K::Frequencies:
        return &WriteFrequencies;
    case K::Hands:
        return &WriteHandsReport;
    case K::AllScores:
    case K::ArbitralScoreTable:
    case K::ContractScores:
        return &WriteReferenceTable;

    // The per-pair pages are files of their own, not a list of the window.
    case K::AllPairsPages:
        return &WritePairPagesReport;
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
