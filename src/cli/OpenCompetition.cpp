#include "cli/OpenCompetition.h"

#include "club/Sessions.h"

#include <iostream>

namespace velk::cli {

bool OpenCompetition::Open(const std::string& path, int session) {
    if (!file.open(path))
        return false;
    const int n = session == 0 ? club.SessionCount() : session;
    if (n < 1 || n > club.SessionCount()) {
        std::cerr << "zitting " << n << " bestaat niet (" << club.SessionCount() << " zittingen)\n";
        return false;
    }
    return LoadSession(club, n);
}

bool OpenCompetition::Save() {
    if (!file.writeTo(club.ClubFilePath, false))
        return false;
    return companions.saveUnder(club, club.ClubFilePath) == 0;
}

} // namespace velk::cli
