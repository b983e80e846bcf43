#pragma once

#include "cli/ArgParser.h"
#include "cli/CliDialogs.h"
#include "club/Club.h"
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "core/Clock.h"

#include <memory>
#include <string>

namespace velk::cli {

// Which files beside the competition file a command reads.
enum class CompanionFiles {
    All,                // schedules, scores and slams, kept in step with the sessions
    SchedulesAndScores, // what the match points need
    Schedules,          // the schedule of its session; the command reads that session's scores itself
    None                // the competition file alone
};

// An open competition for one command: the club, its file lifecycle and the answers of the
// command line. Open() reads the file and selects the session asked for.
struct OpenCompetition {
    explicit OpenCompetition(bool answerYes, CompanionFiles files = CompanionFiles::All)
        : dialogs(answerYes),
          companions(dialogs, files == CompanionFiles::All, files != CompanionFiles::Schedules),
          file(club, dialogs, clock), oneSession(files == CompanionFiles::Schedules) {
        if (files != CompanionFiles::None)
            club.Companions = &companions;
        // Every command saves what it changed; none asks whether to.
        file.stopTrackingChanges();
    }

    // For a command that only reads, before Open(): the competition's files stay as they are on
    // disk (a missing schedule file is not made, a damaged file not set aside), and Save() fails.
    void readOnly() {
        companions.readOnly();
        file.readOnly();
    }
    // Reads `path` and selects `session` (0: the last one). False with the messages on stderr.
    bool Open(const std::string& path, int session = 0);
    // Open() of the file the command names at its --session: 0 when open, 2 for a bad --session,
    // 1 when the file or the session could not be opened.
    int OpenNamed(const ArgParser& args);
    // Writes the competition file back where it came from, without a report, and then its schedule,
    // score and slam files, so a new or changed session has its entries in all of them.
    bool Save();

    SystemClock clock;
    CliDialogs dialogs;
    Club club;
    CompanionLists companions;
    ClubFile file;
    bool oneSession;
};

} // namespace velk::cli
