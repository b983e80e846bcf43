// velk-cli compute and matchpoints: the match points of a session, copied into the competition
// or listed per score record.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionScores.h"
#include "core/ProgramFolder.h"
#include "core/records/PairRecord.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "selection/SelectionText.h"

#include <iostream>

namespace velk::cli {

bool SessionScores::Load(OpenCompetition& open) {
    Club& club = open.club;
    const auto index = static_cast<std::size_t>(club.CurrentSession - 1);
    // The score file came with the competition; its block must reach the session's numbering.
    if (club.CurrentSession < 1 || index >= club.SessionScoreList.size()) {
        std::cerr << "geen scores voor zitting " << club.CurrentSession << '\n';
        return false;
    }
    ErrorCode errorCode;
    tables = LoadScoreTables(DataFolder(), open.dialogs, errorCode, false);
    return true;
}

std::optional<std::pair<int, int>> ParseGroupRange(const std::string& text, int groupCount) {
    if (text == "*")
        return std::pair{1, groupCount};
    const auto dash = text.find('-');
    const int first = GroupOrdinal(FirstCharacterUpper(text.substr(0, dash)));
    const int last =
        dash == std::string::npos ? first : GroupOrdinal(FirstCharacterUpper(text.substr(dash + 1)));
    if (first < 1 || last < first || last > groupCount) {
        std::cerr << "--groups: geen groepen: " << text << '\n';
        return std::nullopt;
    }
    return std::pair{first, last};
}

namespace {

struct Prepared {
    OpenCompetition open;
    SessionScores scores;
    explicit Prepared(bool yes) : open(yes) {}
};

// Opens the file at the session asked for and loads its scores; 0 when ready, else the status.
int Prepare(const ArgParser& args, Prepared& p, const char* usage) {
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << usage;
        return 2;
    }
    int session = 0;
    if (args.value("session") && !args.intValue("session", session))
        return 2;
    if (!p.open.Open(args.positional()[0], session) || !p.scores.Load(p.open))
        return 1;
    return 0;
}

} // namespace

int RunCompute(const Args& raw) {
    const ArgParser args(raw, {"session", "groups"});
    Prepared p(args.answerYes());
    if (const int status = Prepare(
            args, p, "gebruik: velk-cli compute BESTAND.dba [--session N] [--groups *|A|A-C] [--yes|--no]\n"))
        return status;
    Club& club = p.open.club;
    const auto range = ParseGroupRange(args.value("groups").value_or("*"), club.CompetitionHead.GroupCount);
    if (!range)
        return 2;
    MatchPointCalculation calc(MatchPointSettings::Of(club), p.scores.Current(club), p.scores.tables,
                               p.open.dialogs);
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(club);
    // The save writes the score file too: the sit-out detection may have given records a code.
    options.save = [&] { return p.open.Save(); };
    if (!CopyMatchPoints(club, calc, p.scores.tables, p.open.dialogs, range->first, range->second, options))
        return 1;
    return p.open.dialogs.errorCount() == 0 ? 0 : 1;
}

int RunMatchPoints(const Args& raw) {
    const ArgParser args(raw, {"session", "format"});
    Prepared p(args.answerYes());
    if (const int status = Prepare(
            args, p, "gebruik: velk-cli matchpoints BESTAND.dba [--session N] --format csv [--yes|--no]\n"))
        return status;
    if (args.value("format").value_or("") != "csv") {
        std::cerr << "--format: alleen csv\n";
        return 2;
    }
    Club& club = p.open.club;
    MatchPointCalculation calc(MatchPointSettings::Of(club), p.scores.Current(club), p.scores.tables,
                               p.open.dialogs);
    if (!calc.fits()) {
        std::cerr << "scorelijst past niet bij zitting " << club.CurrentSession << '\n';
        return 1;
    }
    // The same steps and answers as compute, so the list shows what compute summed.
    const auto& s = calc.settings();
    for (int g = 1; g <= s.GroupCount; ++g)
        ComputeGroupBoards(calc, g, p.open.dialogs, ScheduleOpponents(club));
    std::cout << "group,board,pair,direction,code,score,flags,mp\n";
    for (int g = 1; g <= s.GroupCount; ++g)
        for (int b = 1; b <= s.BoardCount; ++b)
            for (int k = 1; k <= s.groupPairs(g); ++k) {
                const TScoreObj& r = calc.record(g, b, k);
                std::cout << GroupLetter(g) << ',' << b << ',' << k << ',' << (r.Direction ? "OW" : "NZ")
                          << ',' << static_cast<char>(r.Code + 64) << ',' << r.Score << ',' << int(r.Flags)
                          << ','
                          << calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(g, b, k))]
                                 .MatchPoints
                          << '\n';
            }
    return p.open.dialogs.errorCount() == 0 ? 0 : 1;
}

} // namespace velk::cli
