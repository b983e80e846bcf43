#pragma once

#include "reports/ReportSink.h"

#include <optional>
#include <string>
#include <string_view>

namespace velk {

class Dialogs;

// The season of a session date ("dd-mm-yyyy"): August to December start a season, January to
// July end one. Nothing when the date cannot be read.
struct Season {
    int firstYear = 0;
    int secondYear = 0;
};
std::optional<Season> SeasonOf(std::string_view sessionDate);

inline constexpr const char* kClubLineStart = "B R I D G E C L U B : ";
inline constexpr const char* kSeasonText = "  SEIZOEN  ";
inline constexpr const char* kDateUnreadable = "Datum foutief ";

// "  SEIZOEN  2023-2024"; with an unreadable date the years are left out.
std::string SeasonText(const std::optional<Season>& season);
// "B R I D G E C L U B : " + club + "     " + the season text.
std::string ClubLine(std::string_view clubName, const std::optional<Season>& season);
// The title, blanks up to the date column of a club line `clubLineLength` long, and the date.
std::string TitleLine(std::string_view title, int clubLineLength, std::string_view sessionDate);
// No list is narrower than the club line with room to spare.
int MinimumReportWidth(std::string_view clubName);

// What the top of every page of a list shows.
struct ReportHeading {
    std::string clubName;
    std::string sessionDate;
    bool printHead = false; // the option "Print kop"
    bool pairList = false;  // the pair list shows the club name alone
};

// Writes the bold-on marker, the club line (with "Print kop") and the title line, and returns the
// club line's length. An unreadable session date is reported ("Datum foutief ").
int WriteClubAndTitle(ReportSink& sink, const ReportHeading& heading, std::string_view title,
                      Dialogs& dialogs);

} // namespace velk
