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
#include "core/files/MatchPointListFile.h"
#include "core/files/ScoreFile.h"
#include "core/records/PairRecord.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/StoredMatchPoints.h"
#include "selection/SelectionText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iostream>

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

std::optional<std::vector<StoredMatchPoint>> ReadStoredMatchPoints(const Club& club, std::string& problem) {
    return velk::ReadStoredMatchPoints(club.ClubFilePath, club.CurrentSession, problem);
}

namespace {

constexpr const char* kMatchPointHeader = "group,board,pair,direction,code,score,flags,mp\n";

// "A,1,1,NZ,N,420,0,60": one line of the list.
void AppendMatchPointLine(std::string& out, const StoredMatchPoint& e) {
    char line[64]; // "P,255,512,OW,\xFF,-32768,255,-2147483648\n" is 38
    char* at = line;
    const auto number = [&at](long value) {
        *at++ = ',';
        at = std::to_chars(at, at + 20, value).ptr;
    };
    *at++ = GroupLetter(e.Group);
    number(e.Board);
    number(e.Pair);
    std::memcpy(at, e.Direction ? ",OW," : ",NZ,", 4);
    at += 4;
    *at++ = static_cast<char>(e.Code + 64);
    number(e.Score);
    number(e.Flags);
    number(e.MatchPoints);
    *at++ = '\n';
    out.append(line, static_cast<std::size_t>(at - line));
}

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

// Writes what the computation changed: the competition file, the score file only when the
// sit-out detection or an arbitral score gave records a code, and the list of match points.
bool SaveComputed(Prepared& p, const MatchPointCalculation& calc, const std::vector<int>& groups) {
    Club& club = p.open.club;
    if (!p.open.file.writeTo(club.ClubFilePath, false))
        return false;
    ErrorCode error;
    if (calc.recordsChanged() &&
        !WriteScoreFileSession(ScoreFilePathFor(club.ClubFilePath),
                               ShapeOf(club.CompetitionHead.PairCount, club.SessionList), club.CurrentSession,
                               club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)], true,
                               p.open.dialogs, error))
        return false;
    std::string note;
    const bool saved = SaveStoredMatchPoints(club.ClubFilePath, club.CurrentSession, calc, groups, note);
    if (!note.empty())
        std::cerr << note << '\n';
    if (!saved)
        std::cerr << "matchpunten niet bewaard: "
                  << MatchPointFilePath(club.ClubFilePath, club.CurrentSession) << '\n';
    return saved;
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
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(club);
    options.save = [&](const std::vector<int>& groups) { return SaveComputed(p, calc, groups); };
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
    open.readOnly();
    if (const int status = open.OpenNamed(args))
        return status;
    std::string problem;
    const auto list = ReadStoredMatchPoints(open.club, problem);
    if (!list) {
        std::cerr << problem << '\n';
        return 1;
    }
    std::string text = kMatchPointHeader;
    text.reserve(list->size() * 32);
    for (const StoredMatchPoint& e : *list)
        AppendMatchPointLine(text, e);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    return std::cout.good() ? 0 : 1;
}

} // namespace velk::cli
