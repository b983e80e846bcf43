#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <set>
#include <string>

namespace velk {

// TableCount div GroupCount: the fixed stride of table slots per group in a session schedule.
int StrideTablesPerGroup(const Club& club);

// Rebuilds TableLabelList: item 0 has number 0 and no label, item n the label of session-wide
// table n. Labels follow the entries' numbering, (g - 1) x TablesPerGroup + k, so each table keeps
// its own label even when groups play with different numbers of tables. A group with more tables
// in play than it has slots keeps the old list and shows
// "Totaal aantal tafels komt niet overeen met Clubdata: " + TableCount.
bool BuildTableLabels(Club& club, Dialogs& dialogs);

// An empty schedule for session z: the header item, then per group, round and table an entry
// with its session-wide table number, no pairs and a blank letter. Recomputes TablesPerGroup.
TZitSchemaObj MakeEmptySessionSchedule(Club& club, int session, Dialogs& dialogs);
// The same, appended to SessionScheduleList.
void NewSessionSchedule(Club& club, int session, Dialogs& dialogs);

// Whether reading the schedule file may write: make a missing file, mend and set aside a damaged
// one. A command that only reads leaves the disk as it found it and mends in memory alone.
enum class ScheduleFileWrites { Allowed, None };

// Reads (or, when it is missing, creates) the ".sma" file of the competition at
// `competitionPath`. A head out of range gets an empty schedule and the file is written again;
// sessions the file ends before get empty schedules and the file is written again; a session
// whose bytes run out part way gets an empty schedule and the file is kept as it is.
// A damaged file (labels, a head or a session's bytes unusable) keeps its bytes aside as
// "<name>.~bad" first; when no copy can be made, nothing is written over it and its path goes
// into `unsafeToOverwrite`. With ScheduleFileWrites::None nothing is written or set aside, and a
// damaged file's path goes into `unsafeToOverwrite`.
bool LoadSessionSchedules(Club& club, const std::string& competitionPath, Dialogs& dialogs,
                          std::set<std::string>* unsafeToOverwrite = nullptr,
                          ScheduleFileWrites writes = ScheduleFileWrites::Allowed);

// For a command that works on one session: a file that reads cleanly gives `session` its schedule
// and the other sessions their heads alone, and the list is marked so it is never written. Anything
// else (no file, a damaged one) is read by LoadSessionSchedules as usual.
bool LoadScheduleOfSession(Club& club, const std::string& competitionPath, int session, Dialogs& dialogs,
                           std::set<std::string>* unsafeToOverwrite = nullptr,
                           ScheduleFileWrites writes = ScheduleFileWrites::Allowed);

// Writes TableLabelList and every session schedule; the previous file becomes ".~sm". A list read
// for one session only is refused: it would blank the others.
bool SaveSessionSchedules(Club& club, const std::string& path, Dialogs& dialogs);

// The ".sma" path of a competition path; an existing upper-case ".SMA" is found as well.
std::string SessionScheduleFilePath(const std::string& competitionPath);

} // namespace velk
