#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/WorkSchedule.h"

#include <string>

namespace velk {

// Bits of the difference between a base schedule and a session group. The board count has a bit
// of its own: adding 10 for it, as 2 + 8 do, would make a wrong board count read as wrong pairs
// and board groups.
namespace Mismatch {
enum : int { Rounds = 1, Pairs = 2, Tables = 4, BoardGroups = 8, Boards = 16 };
}

// The counts a base schedule must have to be read into group g of the current session.
struct GroupScheduleCounts {
    ScheduleCounts Expected;
    int SessionBoards = 0; // BoardCount of the session
    int ScoreBoards = 0;   // board count in the head of the session's score data
};
GroupScheduleCounts ExpectedCounts(const Club& club, int group, int scoreBoardCount);

int BaseScheduleMismatch(const ScheduleCounts& file, const GroupScheduleCounts& expected);

// "Schema niet Correct :\rOngeldig aantal: " ... with the "Ingevoerd" and "Moet Zijn" lines
// ("Gelezen" and "Gekozen" in the individual form).
std::string MismatchMessage(int code, const ScheduleCounts& file, const GroupScheduleCounts& expected,
                            bool individual);
// The advice for a single wrong count ("Kies juiste aantal ronden in Zitting menu"), else empty.
std::string MismatchAdvice(int code, bool individual);

// Reads a base schedule into group g of the current session, shifting tables and pairs to the
// session's numbering. `scoreBoardCount` is the board count of the session's score data (0 when
// its block is still fresh). Returns
// true when the group was filled; on any refusal the session is unchanged.
bool ReadBaseScheduleIntoSession(Club& club, int group, const WorkSchedule& base, int scoreBoardCount,
                                 Dialogs& dialogs);
bool ReadBaseScheduleIntoSession(Club& club, int group, const WorkSchedule1& base, int scoreBoardCount,
                                 Dialogs& dialogs);

// "Schema &Lezen" after the group range and the file were chosen: reads `basePath` into groups
// first..last of the current session, records its name for every group it was read into, and
// saves the session schedule file when anything changed.
bool ReadScheduleIntoGroups(Club& club, int firstGroup, int lastGroup, const std::string& basePath,
                            int scoreBoardCount, Dialogs& dialogs);

// The open dialog's proposed name: rounds "*" pairs of the first group "*.*" ("7*14*.*").
std::string ProposedBaseScheduleName(const Club& club, int firstGroup);

// Shown when the group selection is cancelled.
extern const char* const kScheduleSelectionCancelled;

} // namespace velk
