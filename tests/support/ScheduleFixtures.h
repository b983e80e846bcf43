#pragma once

#include "club/Club.h"
#include "core/records/WorkSchedule.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velk::test {

inline std::vector<std::uint8_t> FileContents(const std::string& path) {
    return ReadBytes(path);
}

inline bool ScheduleFileExistsForTest(const std::string& path) {
    return std::filesystem::exists(path);
}

inline void WriteContents(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(path, bytes);
}

// An open competition of `groups` groups with `pairsPerGroup` pairs and `tablesPerGroup` tables
// each, and `sessions` sessions of `rounds` rounds; session 1 is selected.
inline Club MakeScheduleClub(int groups, int pairsPerGroup, int tablesPerGroup, int rounds, int sessions) {
    Club club;
    club.ClubFileName = "club.dba";
    club.CompetitionHead.PairCount = static_cast<std::int16_t>(groups * pairsPerGroup);
    club.CompetitionHead.GroupCount = static_cast<std::int16_t>(groups);
    club.CompetitionHead.TableCount = static_cast<std::int16_t>(groups * tablesPerGroup);
    club.CompetitionHead.SessionsPerCompetition = 12;
    club.PairsPerGroup = pairsPerGroup;
    club.TablesPerGroup = tablesPerGroup;
    for (int z = 1; z <= sessions; ++z) {
        TZitCalcObj s;
        s.SessionNr = static_cast<std::int16_t>(z);
        s.RoundCount = static_cast<std::int16_t>(rounds);
        s.BoardCount = static_cast<std::int16_t>(rounds * 4);
        s.BoardGroupCount = static_cast<std::int16_t>(rounds);
        s.BoardsPerRound = 4;
        s.FirstBoardNumber = 1;
        for (int g = 0; g < groups; ++g) {
            s.GroupPairs[static_cast<std::size_t>(g)] = static_cast<std::int16_t>(pairsPerGroup);
            s.GroupTables[static_cast<std::size_t>(g)] = static_cast<std::int16_t>(tablesPerGroup);
        }
        club.SessionList.push_back(s);
    }
    club.CurrentSession = sessions > 0 ? 1 : 0;
    if (sessions > 0)
        club.SessionHead = club.SessionList.front();
    return club;
}

// A pairs base schedule whose entry (r, t) is given round by round, table by table, as
// {NS, EW, letter}.
struct BaseEntry {
    int NS;
    int EW;
    char Letter;
};
inline WorkSchedule MakeBase(const ScheduleCounts& counts, const std::vector<BaseEntry>& entries) {
    WorkSchedule s = WorkSchedule::Empty(counts);
    for (std::size_t i = 0; i < entries.size() && i + 1 < s.Items.size(); ++i) {
        s.Items[i + 1].NS = static_cast<std::int16_t>(entries[i].NS);
        s.Items[i + 1].EW = static_cast<std::int16_t>(entries[i].EW);
        s.Items[i + 1].Letter = static_cast<std::uint8_t>(entries[i].Letter);
    }
    return s;
}

} // namespace velk::test
