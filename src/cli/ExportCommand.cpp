// velk-cli export: a session's results in the exchange format of the bridge federations.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionScores.h"
#include "cli/UsageTexts.h"
#include "core/FileBytes.h"
#include "core/SafeSave.h"
#include "core/records/ConfigRecord.h"
#include "reports/UsebioExport.h"
#include "selection/SelectionText.h"

#include <iostream>

namespace velk::cli {

namespace {

// False when the stored list does not fit the session's numbering.
bool FitMatchPoints(const Club& club, const std::vector<StoredMatchPoint>& stored,
                    std::vector<TMatchPObj>& out) {
    for (const StoredMatchPoint& e : stored) {
        if (e.Group > club.CompetitionHead.GroupCount || e.Board > club.SessionHead.BoardCount ||
            e.Pair > club.PairsPerGroup)
            return false;
        out[static_cast<std::size_t>(
                ScoreRecordIndex(e.Group, e.Board, e.Pair, club.SessionHead.BoardCount, club.PairsPerGroup))]
            .MatchPoints = e.MatchPoints;
    }
    return true;
}

} // namespace

int OpenComputedSession(OpenCompetition& open, const ArgParser& args, std::vector<TMatchPObj>& matchPoints) {
    if (const int status = open.OpenNamed(args))
        return status;
    SessionScores scores;
    if (!scores.Load(open))
        return 1;
    matchPoints.assign(SessionScores::Current(open.club).size(), {});
    std::string problem;
    const auto stored = ReadStoredMatchPoints(open.club, problem);
    if (stored && !FitMatchPoints(open.club, *stored, matchPoints))
        problem = "geen matchpunten berekend voor zitting " + std::to_string(open.club.CurrentSession);
    if (!problem.empty()) {
        std::cerr << problem << ": gebruik eerst velk-cli compute " << args.positional()[0] << '\n';
        return 1;
    }
    return 0;
}

int RunExport(const Args& raw) {
    const ArgParser args(raw, {"session", "format"});
    if (args.positional().size() != 2 || !args.unknown({}).empty()) {
        std::cerr << UsageOf("export");
        return 2;
    }
    if (args.value("format").value_or("") != "usebio") {
        std::cerr << "--format: alleen usebio\n";
        return 2;
    }
    OpenCompetition open(false, CompanionFiles::SchedulesAndScores);
    std::vector<TMatchPObj> matchPoints;
    if (const int status = OpenComputedSession(open, args, matchPoints))
        return status;
    Club& club = open.club;
    if (club.CompetitionHead.ScoringMode == ModeIndividual) {
        std::cerr << "USEBIO kent alleen paren: een individuele competitie wordt niet uitgevoerd\n";
        return 1;
    }
    const std::vector<TScoreObj>& records = SessionScores::Current(club);
    const std::string document = UsebioDocument({club, records, matchPoints, VELK_VERSION});
    const std::string& output = args.positional()[1];
    if (!SaveFileAtomically(
            output, std::span(reinterpret_cast<const std::uint8_t*>(document.data()), document.size()), {})) {
        std::cerr << "niet geschreven: " << output << '\n';
        return 1;
    }
    return 0;
}

} // namespace velk::cli
