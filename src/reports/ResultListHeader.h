#pragma once

#include "reports/ReportKind.h"
#include "reports/ReportSink.h"
#include "reports/ReportStyle.h"

#include <string>
#include <vector>

namespace velk {

// What the page head of a result list shows below the title: one column per listed session
// (kinds 1-4) or per competition of a total (kinds 5 and 6).
struct HeaderColumns {
    ReportKind kind = ReportKind::PointsByNumber;
    int competitionNumber = 0;      // 0 for a file outside a competition: no competition line
    std::vector<int> numbers;       // the session or competition numbers listed
    std::vector<std::string> dates; // the date ("dd-mm-yyyy") of each
};

// The indent of the page head's columns: 30, 30, 29, 31 for kinds 1-4, 31 for 5, 6, 7 and 17.
int HeaderIndent(ReportKind kind);

// "Competitie: " with the number and the sessions (kinds 1-4), or the competitions (5, 6).
std::string CompetitionLine(const HeaderColumns& columns);
// "Groep : A" (nine blanks for the totals), then "Speeldatum : " and day and month of each date.
std::string GroupDateLine(const HeaderColumns& columns, char groupLetter);
// "  Nr.        NAAM " or "ClubNr.        NAAM " and the heading of every column.
std::string ColumnLine(const HeaderColumns& columns);

// The page head after WriteClubAndTitle: an empty line, the competition line (a competition file
// only), a single separator, the group and date line, the column line, the bold-off marker and,
// with "Print kop", a double separator.
void WriteHeaderColumns(ReportSink& sink, const ReportStyle& style, int width, bool printHead,
                        const HeaderColumns& columns, char groupLetter);

// The head of every further group of a list: a single separator, an empty line, bold on, the
// group and date line and the column line, bold off and a double separator.
void WriteGroupHead(ReportSink& sink, const ReportStyle& style, int width, const HeaderColumns& columns,
                    char groupLetter);

} // namespace velk
