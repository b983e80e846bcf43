// velk-cli demo: a small competition made, scored and computed from scratch, as a club would run
// an evening, so the program's main job can be seen without a window.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/ScoreLines.h"
#include "cli/UsageTexts.h"
#include "core/ProgramFolder.h"
#include "core/records/PairRecord.h"
#include "scoring/BoardOpponents.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>

namespace velk::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kGroups = 2;
constexpr int kPairsPerGroup = 8;
constexpr int kRounds = 7;
constexpr int kBoardsPerRound = 2;
constexpr int kBoards = kRounds * kBoardsPerRound;
constexpr unsigned kSeed = 20261208;
const char* const kSchedule = "7r-8p-howell-4t.ws0";

const char* const kNames[kGroups * kPairsPerGroup] = {
    "Jansen - de Vries",    "Bakker - Visser",     "Smit - Meijer",       "de Boer - Mulder",
    "de Groot - Bos",       "Vos - Peters",        "Hendriks - van Dijk", "Dekker - Brouwer",
    "de Wit - Dijkstra",    "Smits - de Graaf",    "van der Meer - Kok",  "Jacobs - de Haan",
    "Vermeulen - Schouten", "van den Berg - Post", "Willems - Kuipers",   "Hoekstra - Maas",
};

// Runs a step with its standard output held back: the demo prints only its results table.
int Quietly(const std::function<int()>& step, std::string* output = nullptr) {
    std::ostringstream captured;
    std::streambuf* const previous = std::cout.rdbuf(captured.rdbuf());
    const int status = step();
    std::cout.rdbuf(previous);
    if (output)
        *output = captured.str();
    return status;
}

int Quietly(int (*command)(const Args&), const Args& args, std::string* output = nullptr) {
    return Quietly([&] { return command(args); }, output);
}

// Deterministic on every platform: the engine is fixed by the standard, the draws are plain.
class Draw {
public:
    int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }

private:
    std::mt19937 engine_{kSeed};
};

// One deal: the contract most tables reach and the tricks it usually takes.
struct Deal {
    bool eastWestDeclares = false;
    int level = 4;
    std::string strain = "H";
    int tricks = 10;
};

Deal MakeDeal(Draw& draw) {
    static const char* const strains[] = {"SA", "S", "H", "R", "K", "SA", "S", "H"};
    Deal d;
    d.eastWestDeclares = draw.below(2) == 1;
    d.strain = strains[draw.below(8)];
    const bool game = draw.below(3) != 0;
    if (!game)
        d.level = 1 + draw.below(3);
    else if (d.strain == "SA")
        d.level = 3;
    else if (d.strain == "S" || d.strain == "H")
        d.level = 4;
    else
        d.level = 5;
    static const int deltas[] = {-1, 0, 0, 1, 1, 2};
    d.tricks = std::clamp(d.level + 6 + deltas[draw.below(6)], 6, 13);
    if (d.tricks >= 12 && draw.below(2) == 0)
        d.level = d.tricks - 6; // a slam bid
    return d;
}

// The contract and result one table reports for the deal.
std::pair<std::string, std::string> TableResult(const Deal& deal, Draw& draw) {
    int level = deal.level;
    if (level > 1 && draw.below(5) == 0)
        --level; // stopped a level lower
    static const int noise[] = {-1, 0, 0, 0, 0, 1};
    const int tricks = std::clamp(deal.tricks + noise[draw.below(6)], 0, 13);
    const int over = tricks - (level + 6);
    std::string contract = std::to_string(level) + deal.strain;
    if (over <= -2 && draw.below(2) == 0)
        contract += "X";
    const std::string result = over == 0 ? "C" : (over > 0 ? "+" : "") + std::to_string(over);
    return {contract, result};
}

// The lines a scorer would type for the session: a contract and result per table, with two
// arbitral scores and a table in group B that did not get to play board 5.
std::string ScoreLines(const Club& club) {
    Draw draw;
    std::ostringstream lines;
    for (int g = 1; g <= kGroups; ++g)
        for (int b = 1; b <= kBoards; ++b) {
            const Deal deal = MakeDeal(draw);
            int table = 0;
            for (int k = 1; k <= kPairsPerGroup; ++k) {
                const auto seat = FindBoardSeat(club, g, b, k);
                if (!seat || !seat->NorthSouth)
                    continue;
                ++table;
                const auto [contract, result] = TableResult(deal, draw);
                const char letter = GroupLetter(g);
                if (g == 2 && b == 5 && table == 2)
                    continue;
                if (g == 1 && b == 3 && table == 1) {
                    lines << letter << ' ' << b << ' ' << k << " A60\n";
                    continue;
                }
                if (g == 2 && b == 11 && table == 3) {
                    lines << letter << ' ' << b << ' ' << k << " A50\n";
                    continue;
                }
                const int declarer = deal.eastWestDeclares ? seat->OpponentRow : k;
                lines << letter << ' ' << b << ' ' << declarer << ' ' << contract << ' ' << result << '\n';
            }
        }
    return lines.str();
}

void PrintResults(const Club& club) {
    const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
    std::printf("%s, zitting %d: %d spellen, schema %s\n", club.CompetitionHead.CompetitionName.get().c_str(),
                club.CurrentSession, int(club.SessionHead.BoardCount), kSchedule);
    for (int g = 1; g <= kGroups; ++g) {
        std::vector<int> order;
        for (int k = 1; k <= kPairsPerGroup; ++k)
            order.push_back((g - 1) * club.PairsPerGroup + k);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return rows[static_cast<std::size_t>(a)].SessionRank <
                   rows[static_cast<std::size_t>(b)].SessionRank;
        });
        std::printf("\nGroep %c\n%-4s  %-4s  %-24s  %7s  %7s  %6s\n", GroupLetter(g), "Rang", "Paar", "Naam",
                    "Punten", "Procent", "Spellen");
        for (const int i : order) {
            const TCalcObj& r = rows[static_cast<std::size_t>(i)];
            const TParenObj& p = club.PairList[static_cast<std::size_t>(i)];
            std::printf("%4d  %4d  %-24s  %7.1f  %7.2f  %6d\n", r.SessionRank, p.GrpNr, p.Naam.get().c_str(),
                        r.Points, r.Percentage, int(r.BoardsPlayed));
        }
    }
}

// Gives the pairs their names and saves the file.
bool NamePairs(const std::string& path) {
    OpenCompetition open(true);
    if (!open.Open(path, 1))
        return false;
    for (std::size_t i = 1; i < open.club.PairList.size() && i <= std::size(kNames); ++i)
        open.club.PairList[i].Naam.set(kNames[i - 1]);
    return open.Save();
}

bool EnterScores(const std::string& path) {
    OpenCompetition open(true);
    if (!open.Open(path, 1))
        return false;
    std::istringstream in(ScoreLines(open.club));
    return Quietly([&] { return EnterScoreLines(open, in, false); }) == 0;
}

} // namespace

int RunDemo(const Args& raw) {
    const ArgParser args(raw, {});
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << UsageOf("demo");
        return 2;
    }
    const fs::path dir = args.positional()[0];
    std::error_code error;
    fs::create_directories(dir, error);
    if (error || !fs::is_directory(dir)) {
        std::cerr << "map niet te maken: " << dir.string() << '\n';
        return 1;
    }
    if (!fs::is_empty(dir, error)) {
        std::cerr << "map is niet leeg: " << dir.string() << '\n';
        return 1;
    }
    const std::string answer = args.has("no") ? "--no" : "--yes";
    std::string created;
    if (Quietly(RunNew,
                {(dir / "demo.dba").string(), "--name", "Demo", "--pairs",
                 std::to_string(kGroups * kPairsPerGroup), "--groups", std::to_string(kGroups), "--tables",
                 std::to_string(kGroups * kPairsPerGroup / 2), "--neuberg", "1", "--yes"},
                &created) != 0)
        return 1;
    const std::string path = created.substr(0, created.find('\n'));
    const std::string schedule = (ProgramFolder() / "Schemas" / kSchedule).string();
    if (!NamePairs(path) ||
        Quietly(RunSession, {path, "set", "--session", "1", "--boards", std::to_string(kBoards), "--rounds",
                             std::to_string(kRounds), "--boardgroups", std::to_string(kRounds), "--length",
                             std::to_string(kBoardsPerRound), "--yes"}) != 0 ||
        Quietly(RunSchedule, {"read", path, "--groups", "*", schedule, "--yes"}) != 0 || !EnterScores(path) ||
        Quietly(RunCompute, {path, answer}) != 0)
        return 1;
    OpenCompetition open(false, CompanionFiles::None);
    if (!open.Open(path, 1))
        return 1;
    PrintResults(open.club);
    std::printf("\nBestand: %s\n", path.c_str());
    return 0;
}

} // namespace velk::cli
