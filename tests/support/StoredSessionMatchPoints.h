#pragma once

#include "club/Club.h"
#include "core/SilentDialogs.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/StoredMatchPoints.h"
#include "support/TempFolder.h"

#include <string>
#include <vector>

namespace velk::test {

// Stores beside the competition the match points its current session's scores give, as the
// computation does, so that the lists have what they read. The competition is given a path of
// its own in a folder that lasts as long as the test program.
inline void StoreSessionMatchPoints(Club& club, const ScoreTables& tables = {}) {
    static TempFolder folder("stored-mp");
    static int made = 0;
    if (club.ClubFilePath.empty())
        club.ClubFilePath = folder.file("club" + std::to_string(++made) + ".dba");
    std::vector<TScoreObj> scores =
        club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)].Records;
    SilentDialogs quiet;
    MatchPointCalculation calc(MatchPointSettings::Of(club), scores, tables, quiet);
    std::vector<int> groups;
    for (int g = 1; g <= calc.settings().GroupCount; ++g) {
        calc.CountUnplayed(g, 1, calc.settings().BoardCount, false);
        groups.push_back(g);
    }
    for (const int g : groups)
        calc.ComputeBoards(g, 1, calc.settings().BoardCount);
    std::string note;
    SaveStoredMatchPoints(club.ClubFilePath, club.CurrentSession, calc, groups, note);
}

} // namespace velk::test
