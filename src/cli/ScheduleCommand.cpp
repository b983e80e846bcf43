// velk-cli schedule: read a base schedule into a session ("Schema &Lezen"), show a session's
// schedule, check a base schedule as the editor does.
#include "cli/ArgParser.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "core/files/BaseScheduleFile.h"
#include "core/records/PairRecord.h"
#include "schedules/ReadScheduleIntoSession.h"
#include "schedules/ScheduleCells.h"
#include "schedules/SchedulesFolder.h"
#include "schedules/WholeScheduleCheck.h"

#include <filesystem>
#include <iostream>

namespace velk::cli {
namespace {

void Usage() {
    std::cerr << UsageOf("schedule");
}

// "*" is every group, "B" one group, "A-C" a range.
bool ParseGroups(const std::string& text, int groupCount, int& first, int& last) {
    const auto number = [](char c) { return std::toupper(static_cast<unsigned char>(c)) - 'A' + 1; };
    if (text == "*") {
        first = 1;
        last = groupCount;
    } else if (text.size() == 1) {
        first = last = number(text[0]);
    } else if (text.size() == 3 && text[1] == '-') {
        first = number(text[0]);
        last = number(text[2]);
    } else {
        return false;
    }
    return first >= 1 && first <= last && last <= groupCount;
}

// The board count in the head of the session's score block; 0 while there is none.
int ScoreBoardCount(const Club& club) {
    const auto index = static_cast<std::size_t>(club.CurrentSession - 1);
    return index < club.SessionScoreList.size() ? club.SessionScoreList[index].BoardsInList : 0;
}

// A bare name that is no file here names a movement of the shipped library.
std::string MovementPath(const std::string& given, Dialogs& dialogs) {
    std::error_code ec;
    if (given.find('/') != std::string::npos || std::filesystem::exists(given, ec))
        return given;
    if (const auto folder = SchedulesFolder(dialogs)) {
        const std::string shipped = *folder + "/" + given;
        if (std::filesystem::exists(shipped, ec))
            return shipped;
    }
    return given;
}

// The schedules come with the competition file.
bool OpenWithSchedules(OpenCompetition& open, const std::string& path, int session) {
    return open.Open(path, session) && open.club.CurrentSchedule() != nullptr;
}

int Read(const ArgParser& args, int session) {
    const auto& pos = args.positional();
    const auto groups = args.value("groups");
    if (pos.size() != 3 || !groups) {
        Usage();
        return 2;
    }
    OpenCompetition open(args.answerYes());
    if (!OpenWithSchedules(open, pos[1], session))
        return 1;
    Club& club = open.club;
    int first = 0, last = 0;
    if (!ParseGroups(*groups, club.CompetitionHead.GroupCount, first, last)) {
        std::cerr << "--groups: " << *groups << " " << kScheduleSelectionCancelled << '\n';
        return 1;
    }
    return ReadScheduleIntoGroups(club, first, last, MovementPath(pos[2], open.dialogs),
                                  ScoreBoardCount(club), open.dialogs)
               ? 0
               : 1;
}

int Show(const ArgParser& args, int session) {
    const auto& pos = args.positional();
    if (pos.size() != 2) {
        Usage();
        return 2;
    }
    OpenCompetition open(args.answerYes());
    open.readOnly();
    if (!OpenWithSchedules(open, pos[1], session))
        return 1;
    const Club& club = open.club;
    const TZitSchemaObj* schedule = club.CurrentSchedule();
    if (schedule == nullptr)
        return 1;
    const int rounds = club.SessionHead.RoundCount;
    const int stride = club.TablesPerGroup;
    for (int g = 1; g <= club.CompetitionHead.GroupCount; ++g)
        for (int r = 1; r <= rounds; ++r)
            for (int t = 1; t <= stride; ++t) {
                const auto index = static_cast<std::size_t>(((g - 1) * rounds + r - 1) * stride + t);
                if (index >= schedule->Entries.size())
                    return 1;
                const TSchemaObj& e = schedule->Entries[index];
                std::cout << GroupLetter(g) << ' ' << r << ' ' << e.Table << ' ' << e.NS << ' ' << e.EW << ' '
                          << (e.Letter == kBlankLetter ? '-' : static_cast<char>(e.Letter)) << '\n';
            }
    return 0;
}

// The cell checks of every round and every table, then the whole-schedule checks of the views.
bool CheckBase(const WorkSchedule& s, Dialogs& dialogs) {
    const ScheduleCounts c = s.counts();
    for (int r = 1; r <= c.Rounds; ++r) {
        std::vector<ScheduleRow> rows;
        for (int t = 1; t <= c.Tables; ++t)
            rows.push_back(RowOf(s.at(r, t)));
        if (CheckRoundView(rows, c, dialogs))
            return false;
    }
    for (int t = 1; t <= c.Tables; ++t) {
        std::vector<ScheduleRow> rows;
        for (int r = 1; r <= c.Rounds; ++r)
            rows.push_back(RowOf(s.at(r, t)));
        if (CheckTableView(rows, c, dialogs))
            return false;
    }
    return CheckWholeSchedule(s, 1, 0, dialogs).Passed && CheckWholeSchedule(s, 3, 0, dialogs).Passed;
}

int Check(const ArgParser& args) {
    const auto& pos = args.positional();
    if (pos.size() != 2) {
        Usage();
        return 2;
    }
    CliDialogs dialogs(args.answerYes());
    ErrorCode error;
    const auto base = ReadBaseSchedule(pos[1], dialogs, error);
    if (!base)
        return 1;
    const ScheduleCounts c = base->counts();
    std::cout << c.Rounds << " ronden " << c.Pairs << " paren " << c.Tables << " tafels " << c.BoardGroups
              << " spelgroepen\n";
    if (!CheckBase(*base, dialogs))
        return 1;
    std::cout << "Schema correct\n";
    return 0;
}

} // namespace

int RunSchedule(const Args& raw) {
    const ArgParser args(raw, {"session", "groups"});
    const auto& pos = args.positional();
    int session = 0;
    if (pos.empty() || !args.unknown({"yes", "no"}).empty() || !args.intValue("session", session)) {
        Usage();
        return 2;
    }
    if (pos[0] == "read")
        return Read(args, session);
    if (pos[0] == "show")
        return Show(args, session);
    if (pos[0] == "check")
        return Check(args);
    Usage();
    return 2;
}

} // namespace velk::cli
