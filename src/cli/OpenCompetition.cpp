#include "cli/OpenCompetition.h"

#include "club/Sessions.h"

#include <iostream>

namespace velk::cli {

bool OpenCompetition::Open(const std::string& path, int session) {
    // A command on the scores of one session needs that session's schedule alone.
    if (oneSession)
        companions.readScheduleOfSessionOnly(session);
    if (!file.open(path))
        return false;
    const int n = session == 0 ? club.SessionCount() : session;
    if (n < 1 || n > club.SessionCount()) {
        std::cerr << "zitting " << n << " bestaat niet (" << club.SessionCount() << " zittingen)\n";
        return false;
    }
    return LoadSession(club, n);
}

int OpenCompetition::OpenNamed(const ArgParser& args) {
    int session = 0;
    if (args.value("session") && !args.intValue("session", session))
        return 2;
    return Open(args.positional()[0], session) ? 0 : 1;
}

bool OpenCompetition::Save() {
    if (!file.writeTo(club.ClubFilePath, false))
        return false;
    return companions.saveUnder(club, club.ClubFilePath) == 0;
}

} // namespace velk::cli
