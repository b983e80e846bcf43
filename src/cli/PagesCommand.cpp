// velk-cli pages: the per-pair web pages of a session and the pair-name script.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionScores.h"
#include "cli/UsageTexts.h"
#include "hands/SessionHandRecord.h"
#include "hands/dds/DdsSolver.h"
#include "reports/PairPagesReport.h"

#include <filesystem>
#include <iostream>

namespace velk::cli {

int RunPages(const Args& raw) {
    const ArgParser args(raw, {"session", "groups"});
    if (args.positional().size() != 2 || !args.unknown({}).empty() || !args.value("groups")) {
        std::cerr << UsageOf("pages");
        return 2;
    }
    OpenCompetition open(false, CompanionFiles::SchedulesAndScores);
    open.readOnly();
    StoredSession session;
    if (const int status = OpenComputedSession(open, args, session))
        return status;
    Club& club = open.club;
    const auto range = ParseGroupRange(*args.value("groups"), club.CompetitionHead.GroupCount);
    if (!range)
        return 2;
    const std::string folder = args.positional()[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder)) {
        std::cerr << "map niet te maken: " << folder << '\n';
        return 1;
    }
    // Each board links to its hands when the session has them; a damaged hand record is said.
    DdsSolver solver;
    const SessionHandRecord hands = LoadSessionHands(club.ClubFilePath, club.CurrentSession, &solver);
    if (hands.status == SessionHandRecord::Status::Damaged ||
        hands.status == SessionHandRecord::Status::NotAnalysed)
        std::cerr << hands.problem << '\n';
    const bool written = WriteAllPairPages(
        {club, session.records, session.matchPoints, session.boardTops,
         hands.hasBoards() ? &hands.record : nullptr},
        range->first, range->second, [&](int) { return std::optional<std::string>(folder); }, open.dialogs);
    // A pair that did not play is said and gets no page; only a page not written fails.
    return written ? 0 : 1;
}

} // namespace velk::cli
