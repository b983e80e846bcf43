#pragma once

#include "core/records/PairRecord.h"
#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

#include <string>
#include <vector>

namespace velk {

// The messages of the season lists.
inline constexpr const char* kNoCompetitionFile = "Geen Competitie bestand ";
inline constexpr const char* kOneOffDrive = "Doorgaan voor éénmalige drive-berekening ? ";
inline constexpr const char* kBefore2013 = "Bestand van voor 2013 ";
inline constexpr const char* kTooManySeasonSessions =
    "Aantal Zittingen te groot,Ziting corrupt of wijzig programm";
inline constexpr const char* kRecordOutOfRange = "Record-index buiten bereik :";
inline constexpr const char* kClubIndexChanged = "ClubIndex gewijzigd voor: ";
inline constexpr const char* kNoPairFound = "Geen Paar gevonden: ";
inline constexpr const char* kPairAbsent = "Paar niet aanwezig";
inline constexpr const char* kSelectionFaulty = "Selectie van Competities foutief";

// One pair's line of a season list: a result and a rank per competition or drive, their total
// and the place the total gives.
struct SeasonCell {
    float result = 0;
    int rank = 0;
};
struct SeasonRow {
    int clubNumber = 0;
    std::vector<SeasonCell> cells;
    double total = 0;
    int place = 0;
};

// Place = 1 + the number of rows with a strictly higher total: equal totals share a place.
void RankSeasonRows(std::vector<SeasonRow>& rows);

// What the head of a season list shows per column.
struct SeasonHeading {
    std::vector<int> numbers;
    std::vector<std::string> dates; // the last session's date of each competition
    bool competitionLine = true;    // the open file is a competition
    bool drives = false;            // the summer drives' shorter head
};

// 52 characters and 12 a column, at least as wide as the club line needs.
int SeasonWidth(const ReportContext& context, int columns);

// Sets the width and writes the head of the list; the list's block is opened (HTML: <PRE>).
void WriteSeasonHeader(ReportContext& context, ReportSink& sink, const SeasonHeading& heading);

// The line of a row; the name is looked up by club number in `pairs` (record 0 is no pair).
std::string SeasonRowText(ReportContext& context, const SeasonRow& row, const std::vector<TParenObj>& pairs);

} // namespace velk
