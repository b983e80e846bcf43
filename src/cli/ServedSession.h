#pragma once

#include "cli/OpenCompetition.h"
#include "core/ErrorCode.h"
#include "scoring/ScoreTables.h"
#include "terminals/TableTerminals.h"

#include <string>

namespace velk::cli {

// The table server's rules over the session a command opened, with the score tables they use,
// its journal and its kept PINs beside the competition file `competitionPath`.
class ServedSession {
public:
    ServedSession(OpenCompetition& open, const std::string& competitionPath);

    // False, the reason on standard error, when the session cannot be served.
    bool ready() const;
    // Gives the tables the session's kept PINs (all fresh with `fresh`) and keeps those made;
    // false, the reason on standard error, when they could not be kept.
    bool keepPins(bool fresh);
    terminals::TableTerminals& terminals() { return terminals_; }
    const ScoreTables& tables() const { return tables_; }

private:
    ErrorCode tableError_;
    ScoreTables tables_;
    std::string pinPath_;
    terminals::TableTerminals terminals_;
};

} // namespace velk::cli
