#pragma once

#include "cli/CliDialogs.h"
#include "club/Club.h"
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "core/Clock.h"

#include <memory>
#include <string>

namespace velk::cli {

// An open competition for one command: the club, its file lifecycle and the answers of the
// command line. Open() reads the file and selects the session asked for.
struct OpenCompetition {
    explicit OpenCompetition(bool answerYes)
        : dialogs(answerYes), companions(dialogs), file(club, dialogs, clock) {
        club.Companions = &companions;
    }

    // Reads `path` and selects `session` (0: the last one). False with the messages on stderr.
    bool Open(const std::string& path, int session = 0);
    // Writes the competition file back where it came from, without a report, and then its schedule,
    // score and slam files, so a new or changed session has its entries in all of them.
    bool Save();

    SystemClock clock;
    CliDialogs dialogs;
    Club club;
    CompanionLists companions;
    ClubFile file;
};

} // namespace velk::cli
