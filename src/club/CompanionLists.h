#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <optional>
#include <set>
#include <string>

namespace velk {

// Keeps the schedule, score and slam lists in step with the sessions, and reads and writes their
// files beside the competition file.
class CompanionLists : public Club::SessionCompanions {
public:
    // Without `withSlamFile` the slam file is neither read nor written (a command that needs no
    // slams leaves it as it is); the same for the score file without `withScoreFile` (a command
    // that reads the scores of one session itself).
    explicit CompanionLists(Dialogs& dialogs, bool withSlamFile = true, bool withScoreFile = true)
        : dialogs_(dialogs), withSlamFile_(withSlamFile), withScoreFile_(withScoreFile) {}

    // A command that works on one session reads only that session's schedule (0: the last
    // session); the schedule list is then never written.
    void readScheduleOfSessionOnly(int session) { scheduleSessionOnly_ = session; }
    // A command that only reads: no file is made, mended, set aside or written.
    void readOnly() { readOnly_ = true; }

    void sessionCreated(Club& club, int session) override;
    void sessionRemoved(Club& club, int session) override;
    void sessionSelected(Club& club, int session) override;
    void sessionStored(Club& club, int session) override;
    void fileOpened(Club& club) override;
    void fileClosed(Club& club) override;
    int saveUnder(Club& club, const std::string& competitionPath) override;
    // Writes the slam file alone beside the open competition file (after the slam check); false
    // when it was not written.
    bool saveSlams(Club& club);

private:
    // Blank entries of a session take its current board and round counts.
    void fitBlankEntries(Club& club, int session);
    // A companion file read damaged: its bytes are put aside, or it is never written over.
    void keepDamaged(const std::string& path);
    bool mayWrite(const std::string& path, const char* what);
    bool writeSlams(Club& club, const std::string& competitionPath);

    Dialogs& dialogs_;
    bool withSlamFile_;
    bool withScoreFile_;
    std::set<std::string> unsafeToOverwrite_;
    std::optional<int> scheduleSessionOnly_;
    bool readOnly_ = false;
};

} // namespace velk
