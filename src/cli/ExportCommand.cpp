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

#include <cstdio>
#include <iostream>
#include <sstream>

namespace velk::cli {

namespace {

// False when compute left no list for the session or it does not fit the session's numbering.
bool StoredMatchPoints(const Club& club, std::vector<TMatchPObj>& out) {
    const FileBytes stored =
        ReadFileBytes(MatchPointFilePath(club.ClubFilePath, club.CurrentSession), 64u * 1024 * 1024);
    if (!stored.ok())
        return false;
    std::istringstream lines(std::string(stored.bytes.begin(), stored.bytes.end()));
    std::string line;
    std::getline(lines, line); // the header
    while (std::getline(lines, line)) {
        char group = 0;
        int board = 0, pair = 0, mp = 0;
        char direction[3] = {};
        char code = 0;
        int score = 0, flags = 0;
        if (std::sscanf(line.c_str(), "%c,%d,%d,%2[^,],%c,%d,%d,%d", &group, &board, &pair, direction, &code,
                        &score, &flags, &mp) != 8)
            return false;
        const int g = GroupOrdinal(group);
        if (g < 1 || g > club.CompetitionHead.GroupCount || board < 1 ||
            board > club.SessionHead.BoardCount || pair < 1 || pair > club.PairsPerGroup)
            return false;
        out[static_cast<std::size_t>(
                ScoreRecordIndex(g, board, pair, club.SessionHead.BoardCount, club.PairsPerGroup))]
            .MatchPoints = mp;
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
    if (!StoredMatchPoints(open.club, matchPoints)) {
        std::cerr << "geen matchpunten berekend voor zitting " << open.club.CurrentSession
                  << ": gebruik eerst velk-cli compute " << args.positional()[0] << '\n';
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
