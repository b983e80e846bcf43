#pragma once

#include "club/CompetitionData.h"
#include "club/Sessions.h"
#include "core/CompetitionNaming.h"
#include "core/files/CompetitionFile.h"
#include "core/files/ScoreFile.h"
#include "core/files/SessionScheduleFile.h"
#include "gui/club/TClubWindow.h"
#include "support/ClubBuilder.h"
#include "support/Failing.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <map>
#include <source_location>
#include <string>
#include <vector>

// A competition written to a temporary folder by the program's own file routines, for a GUI test
// that opens it in the main window as a user does.
namespace velk::test {

class CompetitionOnDisk {
public:
    // `pairs` pairs in `groups` groups and `sessions` new sessions, as MakeClub makes them.
    CompetitionOnDisk(int pairs, int groups, int tables = 0, int sessions = 1)
        : club(MakeClub(pairs, groups, tables, sessions)) {}

    // Change freely before write().
    Club club;

    CompetitionOnDisk& competitionName(const std::string& name) {
        club.CompetitionHead.CompetitionName.set(name);
        StoreHead(club);
        return *this;
    }

    // Pair names "<family> - <family>" that differ from pair to pair and from the defaults.
    CompetitionOnDisk& familyNames() {
        static const char* const families[] = {"Jansen",  "de Vries", "Bakker",   "Visser",   "Smit",
                                               "Meijer",  "de Boer",  "Mulder",   "de Groot", "Bos",
                                               "Vos",     "Peters",   "Hendriks", "van Dijk", "Dekker",
                                               "Brouwer", "de Wit",   "Dijkstra"};
        for (std::size_t i = 1; i < club.PairList.size(); ++i)
            club.PairList[i].Naam.set(std::string(families[i % 18]) + " - " + families[(i * 7 + 3) % 18]);
        return *this;
    }

    // Session `session` plays `boards` boards in `rounds` rounds of `boardsPerRound`, one board
    // group a round; it becomes the current session.
    CompetitionOnDisk& sessionBoards(int session, int boards, int rounds, int boardsPerRound) {
        club.CurrentSession = session;
        club.SessionHead = club.SessionList[static_cast<std::size_t>(session - 1)];
        club.SessionHead.BoardCount = static_cast<std::int16_t>(boards);
        club.SessionHead.RoundCount = static_cast<std::int16_t>(rounds);
        club.SessionHead.BoardGroupCount = static_cast<std::int16_t>(rounds);
        club.SessionHead.BoardsPerRound = static_cast<std::int16_t>(boardsPerRound);
        StoreSession(club, session);
        return *this;
    }

    // The score records of session `session` (see ScoreListBuilder), written to the score file.
    CompetitionOnDisk& scores(int session, int boards, const std::vector<TScoreObj>& records) {
        TZitScoreObj block = NewScoreBlock(session, boards, club.CompetitionHead.PairCount);
        block.Records = records;
        scoreBlocks_.push_back(block);
        return *this;
    }

    // In `round` of session `session`, pair `ns` sits North-South against `ew` at `table` of group
    // `group`; written with the session's schedule file.
    CompetitionOnDisk& meet(int session, int group, int round, int table, int ns, int ew) {
        meetings_[session].push_back({group, round, table, ns, ew});
        return *this;
    }

    // Writes the competition file `name` and, when scores were given, its score file; the path.
    std::string write(const std::string& name = "club_1.dba",
                      std::source_location where = std::source_location::current()) {
        const std::string path = folder_.file(name);
        ScriptedDialogs dialogs;
        ErrorCode error;
        if (!WriteCompetitionFile(path, club, club.CompetitionHead, name, club.SeasonYear, dialogs, error))
            Fail(QStringLiteral("cannot write %1").arg(QString::fromStdString(path)), where);
        if (!scoreBlocks_.empty() && !WriteScoreFile(ScoreFilePathFor(path), scoreBlocks_,
                                                     club.CompetitionHead.PairCount, false, dialogs, error))
            Fail(QStringLiteral("cannot write the scores of %1").arg(QString::fromStdString(path)), where);
        if (!meetings_.empty())
            test::WriteContents(ScheduleFilePathFor(path), scheduleBytes());
        return path;
    }

    // A path in the folder, for what a test writes or reads beside the competition.
    std::string file(const std::string& name) const { return folder_.file(name); }

private:
    struct Meeting {
        int group, round, table, ns, ew;
    };

    std::vector<std::uint8_t> scheduleBytes() const {
        const int tables = club.CompetitionHead.TableCount;
        const int perGroup = club.TablesPerGroup;
        std::vector<TTafelObj> labels(static_cast<std::size_t>(tables + 1));
        for (int t = 1; t <= tables; ++t)
            labels[static_cast<std::size_t>(t)].TableNr = static_cast<std::int16_t>(t);
        std::vector<TZitSchemaObj> schedules;
        for (int session = 1; session <= club.SessionCount(); ++session) {
            const int rounds = club.SessionList[static_cast<std::size_t>(session - 1)].RoundCount;
            TZitSchemaObj schedule;
            schedule.PairCount = club.CompetitionHead.PairCount;
            schedule.GroupCount = club.CompetitionHead.GroupCount;
            schedule.SessionNr = static_cast<std::int16_t>(session);
            schedule.RoundCount = static_cast<std::int16_t>(rounds);
            schedule.Entries.resize(SessionEntryCount(rounds, tables));
            if (const auto found = meetings_.find(session); found != meetings_.end())
                for (const Meeting& m : found->second) {
                    TSchemaObj& e = schedule.Entries[static_cast<std::size_t>(
                        ((m.group - 1) * rounds + m.round - 1) * perGroup + m.table)];
                    e.NS = static_cast<std::int16_t>(m.ns);
                    e.EW = static_cast<std::int16_t>(m.ew);
                }
            schedules.push_back(std::move(schedule));
        }
        return SerializeSessionSchedules(labels, schedules, tables);
    }

    TempFolder folder_;
    std::vector<TZitScoreObj> scoreBlocks_;
    std::map<int, std::vector<Meeting>> meetings_;
};

// Opens `path` in `window` and leaves the session choice that opening shows with Escape.
inline bool OpenInWindow(TClubWindow& window, const std::string& path,
                         std::source_location where = std::source_location::current()) {
    ModalAnswers sessionChoice(
        "ZittingDlg", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }, where);
    return window.openFile(QString::fromStdString(path));
}

} // namespace velk::test
