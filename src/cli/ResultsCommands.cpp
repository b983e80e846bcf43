// velk-cli points, correct and slams: the points and substitutes window, the percentage
// correction and the slam check, fed from standard input and the command line.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "core/ProgramFolder.h"
#include "scoring/PercentageCorrection.h"
#include "scoring/PointsEntry.h"
#include "scoring/SlamCheck.h"
#include "selection/SelectionText.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>

namespace velk::cli {
namespace {

// The words of the input lines that are not blank or a "#" comment, with their line numbers.
struct InputLine {
    int number = 0;
    std::string text;
    std::vector<std::string> words;
};

std::vector<InputLine> ReadLines(std::istream& in) {
    std::vector<InputLine> lines;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream words(line);
        InputLine l{number, line, {}};
        for (std::string w; words >> w;)
            l.words.push_back(w);
        if (!l.words.empty() && l.words[0][0] != '#')
            lines.push_back(std::move(l));
    }
    return lines;
}

// The list row of "GROUP PAIR" (a group letter and the pair's number in it); 0 after the message.
int RowOf(const Club& club, const InputLine& line) {
    const int group = line.words[0].size() == 1 ? GroupOrdinal(FirstCharacterUpper(line.words[0])) : 0;
    if (group < 1 || group > club.CompetitionHead.GroupCount) {
        std::cerr << "regel " << line.number << ": groep bestaat niet: " << line.words[0] << '\n';
        return 0;
    }
    int pair = 0;
    try {
        std::size_t used = 0;
        pair = std::stoi(line.words[1], &used);
        if (used != line.words[1].size())
            pair = 0;
    } catch (...) {
        pair = 0;
    }
    const int row = (group - 1) * club.PairsPerGroup + pair;
    if (pair < 1 || pair > club.PairsPerGroup || row > club.CompetitionHead.PairCount) {
        std::cerr << "regel " << line.number << ": paar bestaat niet: " << line.words[1] << '\n';
        return 0;
    }
    return row;
}

// Opens the file named by the command at its --session; 0 when open, else the exit status.
int OpenFor(const ArgParser& args, OpenCompetition& open, const std::string& command) {
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << UsageOf(command);
        return 2;
    }
    return open.OpenNamed(args);
}

// What the lines of standard input ask, each with its row: `accept` stores one (false when the
// model refused it, after its message). All or nothing, as score entry: when a line is refused
// nothing is saved and the file stays as it was. Returns the lines read, or nothing after the
// summary of the refused ones.
std::optional<std::size_t> ApplyLines(const Club& club, std::size_t fewest, std::size_t most,
                                      const char* form, const char* what,
                                      const std::function<bool(const InputLine&, int)>& accept) {
    int refused = 0;
    const auto lines = ReadLines(std::cin);
    for (const InputLine& line : lines) {
        if (line.words.size() < fewest || line.words.size() > most) {
            std::cerr << "regel " << line.number << ": verwacht " << form << '\n';
            ++refused;
            continue;
        }
        const int row = RowOf(club, line);
        if (row != 0 && accept(line, row))
            continue;
        if (row != 0)
            std::cerr << "regel " << line.number << ": " << line.text << '\n';
        ++refused;
    }
    if (refused > 0) {
        std::cerr << what << " niet bewaard: " << refused << " regel(s) geweigerd\n";
        return std::nullopt;
    }
    return lines.size();
}

} // namespace

int RunPoints(const Args& raw) {
    const ArgParser args(raw, {"session"});
    OpenCompetition open(false, CompanionFiles::None);
    if (const int status = OpenFor(args, open, "points"))
        return status;
    Club& club = open.club;
    ErrorCode tableError;
    const ScoreTables tables = LoadScoreTables(DataFolder(), open.dialogs, tableError, false);
    PointsEntry entry(club, open.dialogs, tables);
    if (!entry.open())
        return 1;
    // What a line leaves out stays as the window shows it.
    const auto read = ApplyLines(
        club, 3, 4, "GROEP PAAR PUNTEN [INVALLERS]", "Punten", [&](const InputLine& line, int row) {
            return !entry.readRow(
                row, line.words[2],
                line.words.size() == 4 ? line.words[3] : entry.cellText(row, PointsEntry::SubstitutesColumn),
                entry.cellText(row, PointsEntry::RankColumn));
        });
    if (!read)
        return 1;
    PointsEntry::OkOptions options;
    options.askRecompute = false;
    options.askSave = false;
    options.save = [&] { return open.file.writeTo(club.ClubFilePath, false); };
    entry.ok(options);
    std::cout << *read << " paren ingevoerd\n";
    return open.dialogs.errorCount() == 0 ? 0 : 1;
}

int RunCorrect(const Args& raw) {
    const ArgParser args(raw, {"session"});
    OpenCompetition open(false, CompanionFiles::None);
    if (const int status = OpenFor(args, open, "correct"))
        return status;
    Club& club = open.club;
    PercentageCorrection correction(club, open.dialogs);
    if (!correction.open())
        return 1;
    const auto read =
        ApplyLines(club, 3, 3, "GROEP PAAR CORRECTIE", "Correcties",
                   [&](const InputLine& line, int row) { return correction.readRow(row, line.words[2]); });
    if (!read)
        return 1;
    PercentageCorrection::OkOptions options;
    options.askSave = false;
    options.save = [&] { return open.file.writeTo(club.ClubFilePath, false); };
    correction.ok(options);
    std::cout << *read << " correcties ingevoerd\n";
    return open.dialogs.errorCount() == 0 ? 0 : 1;
}

int RunSlams(const Args& raw) {
    const ArgParser args(raw, {"session"});
    OpenCompetition open(args.answerYes(), CompanionFiles::All);
    if (const int status = OpenFor(args, open, "slams"))
        return status;
    Club& club = open.club;
    const bool confirm = args.answerYes();
    const auto ask = [&](const SlamCandidate& c) -> std::optional<int> {
        std::cout << c.line() << "   " << c.caption() << (c.hit.doubtful ? "   Slem mogelijk Dubieus ! " : "")
                  << (confirm ? "" : "   (Schrap)") << '\n';
        if (!confirm)
            return std::nullopt;
        return c.hit.strainClass;
    };
    if (!CheckSlams(club, open.dialogs, ask, [&] { return open.companions.saveSlams(club); }))
        return 1;
    char count[64];
    std::snprintf(count, sizeof count, "Sommatie van het aantal Slems : %2d",
                  club.SessionSlamList[static_cast<std::size_t>(club.CurrentSession - 1)].SlamTotal);
    std::cout << count << '\n';
    return open.dialogs.errorCount() == 0 ? 0 : 1;
}

} // namespace velk::cli
