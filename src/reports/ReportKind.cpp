#include "reports/ReportKind.h"

namespace velk {

std::string ReportTitle(ReportKind kind, bool topIntegral) {
    using K = ReportKind;
    switch (kind) {
    case K::PointsByNumber:
        return "P U N T E N van P A R E N  op ClubNr.";
    case K::PointsByRank:
        return "P U N T E N van Paren op Rangorde";
    case K::PercentagesByNumber:
        return "P R O C E N T E N van P A R E N  op ClubNr.";
    case K::PercentagesByRank:
        return "P R O C E N T E N van P A R E N op Rangorde";
    case K::YearTotalsByNumber:
        return topIntegral ? "T O T A A L TOPintegraal op nummer" : "T O T A A L  per J A A R op nummer";
    case K::YearTotalsByPlace:
        return topIntegral ? "T O T A A L TOPintegraal op plaats" : "T O T A A L  per J A A R op plaats";
    case K::PairList:
        return "P A R E N L I J S T ";
    case K::GuideCards:
        return "G I D S B R I E F J E S";
    case K::StartPositions:
        return "S T A R T T A F E L S ";
    case K::ScheduleByRound:
        return "S C H E M A per R O N D E";
    case K::ScheduleByTable:
        return "S C H E M A per T A F E L ";
    case K::CompleteSchedule:
        return "C O M P L E E T  S C H E M A";
    case K::NorthSouthCount:
        return "Aantal keren NOORD, alle paren";
    case K::SummerDrives:
        return "T O T A A L per Z O M E R op plaats";
    case K::Meetings:
        return "O N T M O E T I N G E N";
    case K::SlamTotals:
        return "Verzameling van Slem Contracten";
    case K::ScoresPerBoard:
        return "Overzicht per S P E L";
    case K::ScoresPerBoardAllGroups:
        return "Overzicht per S P E L, alle groepen";
    case K::ScoresPerPair:
        return "Overzicht per P A A R";
    case K::ArbitralScores:
        return "Verzameling arbitrale Scores";
    case K::BlankScores:
        return "Verzameling van blanco Scores";
    case K::FragmentScores:
        return "Verzameling minderheids Scores";
    case K::TurnedBoards:
        return "Aanwezige Draaiborden";
    case K::SuspectScores:
        return "Verzameling verdachte Scores";
    case K::DeviatingVulnerability:
        return "Verzameling afwijkende Scores";
    case K::CountList:
        return "Tellijst van Matchpunten";
    case K::MatchPointsPerPair:
    case K::AllPairsPages:
        return "Scores en MatchPunten per paar";
    case K::MatchPointTotalsPerPair:
        return "MatchPunten per paar per zitting";
    case K::MatchPointsPerBoard:
        return "MatchPunten per spel per zitting";
    case K::Frequencies:
        return "Frequentie van Scores per Spel";
    case K::GroupCountList:
        return "Tellijst van Matchpunten ";
    case K::AllScores:
        return "Alle mogelijk scores met hun waarde eigenschap";
    case K::ArbitralScoreTable:
        return {};
    case K::ContractScores:
        return "Alle Contracten met al hun scores ";
    case K::Hands:
        return "S P E L V E R D E L I N G";
    }
    return {};
}

} // namespace velk
