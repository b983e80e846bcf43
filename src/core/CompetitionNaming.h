#pragma once

#include <string>

namespace velk {

// The competition number a file name carries in the two characters before its first ".":
// "club_3.dba" is 3, "club12.dba" is 12, anything else 0. A drive file is always 0.
int CompetitionNumberFromFileName(const std::string& path, bool isCompetition);

// The path a new competition file gets when it is first saved: cut before the first "." of the
// file name and "_1.dba" appended, unless the character before that "." is already "1".
std::string FirstCompetitionPath(const std::string& path);

// The path "&Volgende Competitie" proposes: the competition number of the name one up, written
// where the number was read ("club_3.dba" gives "club_4.dba", "club_9.dba" "club_10.dba",
// "club07.dba" "club08.dba"); a name without digits there is the first competition's
// (FirstCompetitionPath). The numbering ends at 99: the proposal after it carries no number.
std::string NextCompetitionPath(const std::string& path);

// The companion files of a competition file.
std::string ScheduleFilePathFor(const std::string& competitionPath); // ".sma"
std::string ScoreFilePathFor(const std::string& competitionPath);    // ".sco"
std::string SlamFilePathFor(const std::string& competitionPath);     // ".slm"

} // namespace velk
