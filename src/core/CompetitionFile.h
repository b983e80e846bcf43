#pragma once

#include "core/ConfigRecord.h"
#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/PairRecord.h"
#include "core/SessionRecord.h"

#include <string>
#include <vector>

namespace velk {

// What a competition file (".dba") holds, in memory.
struct CompetitionFileData {
    TConfigObj ConfigRecord;
    SlamBonusBlock SlamBonusTable;
    // Record 0 is the file header record; pairs follow in list order.
    std::vector<TParenObj> PairList;
    // Each session owns PairCount + 1 result rows.
    std::vector<TZitCalcObj> SessionList;
    bool IsCompetition = true;

    int SessionCount() const { return static_cast<int>(SessionList.size()); }
};

// Reads a competition file into `out`. On any failure `out` is left as it was, `errorCode` holds
// the code of the first failing stage and false is returned.
bool ReadCompetitionFile(const std::string& path, CompetitionFileData& out, Dialogs& dialogs,
                         ErrorCode& errorCode);

// Writes `data` to `path`, the configuration head taken from `head` and the header record refreshed
// from `clubFileName`, `seasonYear` and IsCompetition. The previous file survives until the new one
// is complete.
bool WriteCompetitionFile(const std::string& path, const CompetitionFileData& data,
                          const CompetitionHead& head, const std::string& clubFileName, int seasonYear,
                          Dialogs& dialogs, ErrorCode& errorCode);

} // namespace velk
