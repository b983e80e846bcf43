// velk-cli compute and matchpoints: the match points of a session, copied into the competition
// or listed per score record.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionScores.h"
#include "cli/UsageTexts.h"
#include "core/CompetitionNaming.h"
#include "core/FileBytes.h"
#include "core/PathText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/files/ScoreFile.h"
#include "core/records/PairRecord.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "selection/SelectionText.h"

#include <charconv>
#include <iostream>
#include <sstream>

namespace velk::cli {

bool SessionScores::Load(OpenCompetition& open) {
    Club& club = open.club;
    if (club.CurrentSession < 1 || club.CurrentSession > club.SessionCount()) {
        std::cerr << "geen scores voor zitting " << club.CurrentSession << '\n';
        return false;
    }
    // Only the block of this session is read; the others stay on disk as they are.
    ErrorCode errorCode;
    TZitScoreObj block;
    if (!ReadScoreFileSession(club.ClubFilePath, ShapeOf(club.CompetitionHead.PairCount, club.SessionList),
                              club.CurrentSession, block, open.dialogs, errorCode))
        return false;
    club.SessionScoreList.assign(static_cast<std::size_t>(club.SessionCount()), TZitScoreObj{});
    club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)] = std::move(block);
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

std::string MatchPointFilePath(const std::string& competitionPath, int session) {
    return ChangeFileExt(competitionPath, "") + "_mp" + std::to_string(session) + ".csv";
}

namespace {

constexpr const char* kMatchPointHeader = "group,board,pair,direction,code,score,flags,mp\n";

struct Prepared {
    OpenCompetition open;
    SessionScores scores;
    Prepared(bool yes, CompanionFiles files) : open(yes, files) {}
};

// Opens the file at the session asked for and loads its scores; 0 when ready, else the status.
int Prepare(const ArgParser& args, Prepared& p, const std::string& usage) {
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << usage;
        return 2;
    }
    if (const int status = p.open.OpenNamed(args))
        return status;
    return p.scores.Load(p.open) ? 0 : 1;
}

// Appends the lines of the match-point list of groups first..last, as computed. The list is
// long, so each line is put together in a buffer and the numbers are written straight into it.
void AppendMatchPointLines(std::string& out, const MatchPointCalculation& calc, int first, int last) {
    const auto& s = calc.settings();
    char line[64]; // "P,48,512,OW,A,-32768,255,-2147483648\n" is 37
    for (int g = first; g <= last; ++g) {
        const char letter = GroupLetter(g);
        for (int b = 1; b <= s.BoardCount; ++b)
            for (int k = 1; k <= s.groupPairs(g); ++k) {
                const TScoreObj& r = calc.record(g, b, k);
                const int mp =
                    calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(g, b, k))].MatchPoints;
                char* at = line;
                const auto number = [&at](long value) {
                    *at++ = ',';
                    at = std::to_chars(at, at + 20, value).ptr;
                };
                *at++ = letter;
                number(b);
                number(k);
                for (const char c : std::string_view(r.Direction ? ",OW," : ",NZ,"))
                    *at++ = c;
                *at++ = static_cast<char>(r.Code + 64);
                number(r.Score);
                number(r.Flags);
                number(mp);
                *at++ = '\n';
                out.append(line, static_cast<std::size_t>(at - line));
            }
    }
}

// The stored list with the lines of groups first..last replaced by the ones just computed; the
// groups are in order, so the lines of earlier groups come first.
std::string MergedMatchPointList(const std::string& path, const MatchPointCalculation& calc, int first,
                                 int last) {
    std::string before;
    std::string after;
    // Every group computed anew: nothing of the stored list stays.
    const bool whole = first == 1 && last == calc.settings().GroupCount;
    const FileBytes old = whole ? FileBytes{} : ReadFileBytes(path, 64u * 1024 * 1024);
    if (old.ok()) {
        std::istringstream lines(std::string(old.bytes.begin(), old.bytes.end()));
        std::string line;
        std::getline(lines, line); // the header
        while (std::getline(lines, line)) {
            const int group = line.empty() ? 0 : GroupOrdinal(line[0]);
            if (group >= 1 && group < first)
                before += line + '\n';
            else if (group > last)
                after += line + '\n';
        }
    }
    // One text, reserved for the longest lines: the pages not written are never touched.
    const auto& s = calc.settings();
    constexpr std::size_t kLongestLine = 40;
    std::string list;
    list.reserve(std::char_traits<char>::length(kMatchPointHeader) + before.size() + after.size() +
                 static_cast<std::size_t>(s.PairCount) * static_cast<std::size_t>(s.BoardCount) *
                     kLongestLine);
    list += kMatchPointHeader;
    list += before;
    AppendMatchPointLines(list, calc, first, last);
    list += after;
    return list;
}

// Writes what the computation changed: the competition file, the score file only when the
// sit-out detection or an arbitral score gave records a code, and the list of match points.
bool SaveComputed(Prepared& p, const std::vector<TScoreObj>& before, const MatchPointCalculation& calc,
                  int first, int last) {
    Club& club = p.open.club;
    if (!p.open.file.writeTo(club.ClubFilePath, false))
        return false;
    ErrorCode error;
    if (SessionScores::Current(club) != before &&
        !WriteScoreFileSession(ScoreFilePathFor(club.ClubFilePath),
                               ShapeOf(club.CompetitionHead.PairCount, club.SessionList), club.CurrentSession,
                               club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)], true,
                               p.open.dialogs, error))
        return false;
    const std::string path = MatchPointFilePath(club.ClubFilePath, club.CurrentSession);
    const std::string list = MergedMatchPointList(path, calc, first, last);
    if (!SaveFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(list.data()), list.size()),
                            {})) {
        std::cerr << "matchpunten niet bewaard: " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunCompute(const Args& raw) {
    const ArgParser args(raw, {"session", "groups"});
    Prepared p(args.answerYes(), CompanionFiles::Schedules);
    if (const int status = Prepare(args, p, UsageOf("compute")))
        return status;
    Club& club = p.open.club;
    const auto range = ParseGroupRange(args.value("groups").value_or("*"), club.CompetitionHead.GroupCount);
    if (!range)
        return 2;
    MatchPointCalculation calc(MatchPointSettings::Of(club), p.scores.Current(club), p.scores.tables,
                               p.open.dialogs);
    const std::vector<TScoreObj> before = p.scores.Current(club);
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(club);
    options.save = [&] { return SaveComputed(p, before, calc, range->first, range->second); };
    if (!CopyMatchPoints(club, calc, p.scores.tables, p.open.dialogs, range->first, range->second, options))
        return 1;
    return p.open.dialogs.errorCount() == 0 ? 0 : 1;
}

int RunMatchPoints(const Args& raw) {
    const ArgParser args(raw, {"session", "format"});
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << UsageOf("matchpoints");
        return 2;
    }
    if (args.value("format").value_or("") != "csv") {
        std::cerr << "--format: alleen csv\n";
        return 2;
    }
    // What compute summed, as it stored it: the answers of that run, not of this one.
    OpenCompetition open(false, CompanionFiles::None);
    if (const int status = open.OpenNamed(args))
        return status;
    const std::string path = MatchPointFilePath(open.club.ClubFilePath, open.club.CurrentSession);
    const FileBytes stored = ReadFileBytes(path, 64u * 1024 * 1024);
    if (!stored.ok()) {
        std::cerr << "geen matchpunten berekend voor zitting " << open.club.CurrentSession << '\n';
        return 1;
    }
    std::cout.write(reinterpret_cast<const char*>(stored.bytes.data()),
                    static_cast<std::streamsize>(stored.bytes.size()));
    return std::cout.good() ? 0 : 1;
}

} // namespace velk::cli
