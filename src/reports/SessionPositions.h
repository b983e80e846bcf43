#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velk {

// Where a pair (or a player) sits in one round, as the schedule lists show it.
struct ListPosition {
    bool seated = false;    // false: the pair sits out the round
    int table = 0;          // session-wide
    bool northSouth = true; // else East-West
    std::uint8_t letter = kBlankLetter;
    int opponent = 0; // pairs: the other pair; individual: the partner
    int opponent2 = 0;
    int opponent3 = 0; // individual: the two opponents
};

// One entry of the schedule: pairs NS and EW, or players N, Z, O and W (0 for an empty seat).
struct ListEntry {
    int table = 0; // session-wide
    std::uint8_t letter = kBlankLetter;
    std::array<int, 4> seats{};
};

// The schedule of one session as the schedule lists read it: the session's record and schedule,
// and the texts of tables, pairs and boards. Pair and player numbers are competition-wide.
class SessionPositions {
public:
    SessionPositions(const Club& club, int session);

    const Club& club() const { return club_; }
    int session() const { return session_; }
    const TZitCalcObj& record() const { return record_; }
    bool hasSchedule() const { return schedule_ != nullptr; }
    bool individual() const { return schedule_ != nullptr && schedule_->isIndividual(); }
    int rounds() const { return record_.RoundCount; }

    int groupOf(int pair) const;
    int numberInGroup(int pair) const;
    // Tables in play in group g this session.
    int groupTables(int group) const;
    // Pairs beyond the group's pairs of the session do not play (all do under "Topintegraal").
    bool plays(int pair) const;

    // Nothing when the schedule does not reach the round of the pair's group.
    std::optional<ListPosition> find(int pair, int round) const;
    // The entry of table t (within the group) of a round; nothing outside the schedule.
    std::optional<ListEntry> entry(int group, int round, int table) const;
    // The schedule holds every table of the group's round.
    bool reaches(int group, int round) const;

    // "07-09" for board group C with three boards a round from board 1; "XX-XX" for a blank letter.
    std::string boardsText(std::uint8_t letter) const;
    // The table's label, at least three characters.
    std::string tableText(int table) const;
    // The pair's number within its group, with its group letter when there are groups.
    std::string pairLabel(int pair) const;
    std::string pairName(int pair) const;
    std::string baseScheduleName(int group) const;

private:
    const Club& club_;
    int session_;
    TZitCalcObj record_;
    const TZitSchemaObj* schedule_;
};

// The shared "Er is geen Schema beschikbaar :" with the schedule file; the list ends there.
void ReportScheduleMissing(Club& club, Dialogs& dialogs);

} // namespace velk
