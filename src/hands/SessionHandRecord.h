#pragma once

#include "hands/DoubleDummy.h"
#include "hands/HandRecord.h"

#include <string>

namespace velk {

// "Geen spelverdelingen voor deze zitting": what the windows and lists say of a session without hands.
inline constexpr const char* kNoHandsText = "Geen spelverdelingen voor deze zitting";

// The hand record of a session as the lists and windows show it: read from beside the competition,
// with every board that has no analysis yet analysed and the analysis stored.
struct SessionHandRecord {
    enum class Status { Ok, Missing, Damaged, NotAnalysed };
    Status status = Status::Missing;
    std::string path;
    HandRecord record;
    // Why the status is not Ok, in Dutch; after NotAnalysed the record holds the boards unanalysed.
    std::string problem;

    bool ok() const { return status == Status::Ok; }
    bool hasBoards() const { return status == Status::Ok || status == Status::NotAnalysed; }
};

// Analyses the boards of `record` that have no analysis and writes the record to `path` when it
// analysed any: false with the reason when the solver failed or the file could not be written.
bool AnalyseAndStoreHands(const std::string& path, HandRecord& record, DoubleDummySolver& solver,
                          std::string& problem);

// Reads the hand record of `session` of the competition at `competitionPath`, analysing with
// `solver` what is not analysed yet (without a solver it is read as it is).
SessionHandRecord LoadSessionHands(const std::string& competitionPath, int session,
                                   DoubleDummySolver* solver);

} // namespace velk
