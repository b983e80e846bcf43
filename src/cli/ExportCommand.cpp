// velk-cli export: a session's results in the exchange format of the bridge federations.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionHands.h"
#include "cli/SessionScores.h"
#include "cli/UsageTexts.h"
#include "core/FileBytes.h"
#include "core/SafeSave.h"
#include "core/records/ConfigRecord.h"
#include "hands/SessionHandRecord.h"
#include "reports/PbnResultsExport.h"
#include "reports/UsebioExport.h"
#include "selection/SelectionText.h"

#include <iostream>

namespace velk::cli {

int OpenComputedSession(OpenCompetition& open, const ArgParser& args, StoredSession& session) {
    if (const int status = open.OpenNamed(args))
        return status;
    SessionScores scores;
    if (!scores.Load(open))
        return 1;
    Club& club = open.club;
    std::string problem;
    const auto stored = ReadStoredMatchPoints(club, problem);
    auto laid =
        stored ? ApplyStoredMatchPoints(MatchPointSettings::Of(club), SessionScores::Current(club), *stored)
               : std::nullopt;
    if (stored && !laid)
        problem = "geen matchpunten berekend voor zitting " + std::to_string(club.CurrentSession);
    if (!problem.empty()) {
        std::cerr << problem << ": gebruik eerst velk-cli compute " << args.positional()[0] << '\n';
        return 1;
    }
    session = std::move(*laid);
    return 0;
}

int RunExport(const Args& raw) {
    const ArgParser args(raw, {"session", "format"});
    if (args.positional().size() != 2 || !args.unknown({}).empty()) {
        std::cerr << UsageOf("export");
        return 2;
    }
    const std::string format = args.value("format").value_or("");
    if (format != "usebio" && format != "pbn") {
        std::cerr << "--format: usebio of pbn\n";
        return 2;
    }
    OpenCompetition open(false, CompanionFiles::SchedulesAndScores);
    open.readOnly();
    StoredSession session;
    if (const int status = OpenComputedSession(open, args, session))
        return status;
    Club& club = open.club;
    if (club.CompetitionHead.ScoringMode == ModeIndividual) {
        std::cerr << (format == "pbn" ? "PBN" : "USEBIO")
                  << " kent alleen paren: een individuele competitie wordt niet uitgevoerd\n";
        return 1;
    }
    std::string document;
    if (format == "pbn") {
        SessionHands hands;
        if (!hands.Load(club))
            return 1;
        document = PbnResultsDocument({club, hands.record, session.records, session.matchPoints});
    } else {
        // The deals go with the results when the session has them; a damaged hand record is said.
        const SessionHandRecord hands = LoadSessionHands(club.ClubFilePath, club.CurrentSession, nullptr);
        if (hands.status == SessionHandRecord::Status::Damaged)
            std::cerr << hands.problem << '\n';
        document = UsebioDocument(
            {club, session.records, session.matchPoints, VELK_VERSION, hands.ok() ? &hands.record : nullptr});
    }
    const std::string& output = args.positional()[1];
    if (!SaveFileAtomically(
            output, std::span(reinterpret_cast<const std::uint8_t*>(document.data()), document.size()), {})) {
        std::cerr << "niet geschreven: " << output << '\n';
        return 1;
    }
    return 0;
}

} // namespace velk::cli
