#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

namespace velk {

// Keeps the schedule, score and slam lists in step with the sessions, and reads and writes their
// files beside the competition file.
class CompanionLists : public Club::SessionCompanions {
public:
    explicit CompanionLists(Dialogs& dialogs) : dialogs_(dialogs) {}

    void sessionCreated(Club& club, int session) override;
    void sessionRemoved(Club& club, int session) override;
    void sessionSelected(Club& club, int session) override;
    void sessionStored(Club& club, int session) override;
    void fileOpened(Club& club) override;
    void fileClosed(Club& club) override;
    int saveUnder(Club& club, const std::string& competitionPath) override;

private:
    // Blank entries of a session take its current board and round counts.
    void fitBlankEntries(Club& club, int session);

    Dialogs& dialogs_;
};

} // namespace velk
