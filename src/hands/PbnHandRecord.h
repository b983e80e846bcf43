#pragma once

#include "hands/HandRecord.h"
#include "hands/PbnTags.h"

#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A hand record as PBN 2.1 text, one game a board: Event, Site, Date, Board, Dealer, Vulnerable
// and Deal (from North), and for an analysed board DoubleDummyTricks (20 hexadecimal digits:
// declarers N S E W, strains NT S H D C), OptimumScore ("NS 420"), ParContract ("NS 4S, ...")
// and OptimumResultTable.
std::string PbnHandRecordText(const HandRecord& record);

// The tag lines of one board of the record (as PbnHandRecordText writes them, CR LF each).
std::string PbnBoardTags(const HandRecord& record, const HandBoard& board);

// The boards of PBN games: every game with a Deal must have a Board from 1 to 999, a deal of four
// hands of 13 different cards and no board number twice; games without a Deal are passed over.
// With `withAnalysis` the analysis tags are read too (a board whose tags are damaged is refused;
// a board without them is not analysed). False with the reason in Dutch.
bool HandRecordOfPbn(const std::vector<PbnGame>& games, bool withAnalysis, HandRecord& record,
                     std::string& problem);

// Both steps on a text.
bool ParsePbnHandRecord(std::string_view text, bool withAnalysis, HandRecord& record, std::string& problem);

// "2026.12.15" for "15-12-2026"; "" when the date is not in that form.
std::string PbnDate(std::string_view date);

} // namespace velk
