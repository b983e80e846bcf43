#pragma once

#include "core/files/MatchPointListFile.h"
#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointCalculation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// The match points a session was given when it was computed, kept beside the competition file
// ("club_1.dba" session 2 in "club_1_mp2.dat"). Every list, page and export reads them from
// there, so that none of them can come to another answer than the results.
std::string MatchPointFilePath(const std::string& competitionPath, int session);
// Far above the largest session's list (512 pairs x 48 boards).
inline constexpr std::size_t kMaxMatchPointListBytes = 4u * 1024 * 1024;

// The stored list of a session; nothing when there is none or it cannot be read, with `problem`
// saying which ("geen matchpunten berekend voor zitting 1", or that the file is damaged).
std::optional<std::vector<StoredMatchPoint>> ReadStoredMatchPoints(const std::string& competitionPath,
                                                                   int session, std::string& problem);

// Stores the match points of `groups` (ascending) as just computed, keeping the stored lines of
// the other groups. A stored list that cannot be read keeps nothing: `note` then says so.
bool SaveStoredMatchPoints(const std::string& competitionPath, int session, const MatchPointCalculation& calc,
                           const std::vector<int>& groups, std::string& note);

// A session as its stored list has it: the records as they were summed (side, code, score and
// flags from the list; contracts from the scores where the score is still the same), the match
// points per record slot, and which groups were computed.
struct StoredSession {
    std::vector<TScoreObj> records;
    std::vector<TMatchPObj> matchPoints;
    std::vector<int> boardTops; // the top of each board of each group, BoardTops' order
    std::array<bool, 16> computed{};
    bool has(int group) const {
        return group >= 1 && group <= 16 && computed[static_cast<std::size_t>(group - 1)];
    }
};

// The top of every board of every group as the records give it, [(group - 1) x BoardCount +
// board - 1]: the pairs compared minus 2, lowered for the tables marked unplayed.
std::vector<int> BoardTops(const MatchPointSettings& settings, std::vector<TScoreObj> records);

// Lays the stored list over the session's records; nothing when it does not fit the numbering.
std::optional<StoredSession> ApplyStoredMatchPoints(const MatchPointSettings& settings,
                                                    const std::vector<TScoreObj>& records,
                                                    const std::vector<StoredMatchPoint>& stored);

} // namespace velk
