#pragma once

#include "club/Club.h"
#include "scoring/ScoreTables.h"

#include <string>

namespace velk::terminals {

struct JournalRestoreResult {
    int restored = 0;    // entries put back
    std::string problem; // Dutch; set when the journal could not be put back or saved
};

// A journal with lines in it lies beside the competition.
bool JournalWaiting(const std::string& journalPath);

// Puts back what the table server's journal of the open session holds (a crash kept it from the
// score file) and saves the score file when anything came back. No journal, nothing to do.
JournalRestoreResult RestoreTableJournal(Club& club, const ScoreTables& tables,
                                         const std::string& journalPath);

// "3 invoer(en) van de tafels uit het journaal hersteld".
std::string RestoredText(int restored);

} // namespace velk::terminals
