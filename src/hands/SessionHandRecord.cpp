#include "hands/SessionHandRecord.h"

#include "hands/HandRecordFile.h"

namespace velk {

bool AnalyseAndStoreHands(const std::string& path, HandRecord& record, DoubleDummySolver& solver,
                          std::string& problem) {
    const int analysed = AnalyseMissing(record, solver, problem);
    if (analysed < 0)
        return false;
    if (analysed > 0 && !SaveHandRecord(path, record)) {
        problem = "niet geschreven: " + path;
        return false;
    }
    return true;
}

SessionHandRecord LoadSessionHands(const std::string& competitionPath, int session,
                                   DoubleDummySolver* solver) {
    SessionHandRecord hands;
    hands.path = HandRecordPath(competitionPath, session);
    switch (ReadHandRecord(hands.path, hands.record, hands.problem)) {
    case HandRecordRead::Missing:
        hands.status = SessionHandRecord::Status::Missing;
        hands.problem = kNoHandsText;
        return hands;
    case HandRecordRead::Damaged:
        hands.status = SessionHandRecord::Status::Damaged;
        hands.problem = DamagedHandRecordText(hands.path, hands.problem);
        hands.record = {};
        return hands;
    case HandRecordRead::Ok:
        break;
    }
    hands.status = SessionHandRecord::Status::Ok;
    // A board the solver could not analyse is still shown, without its tricks.
    if (solver && !AnalyseAndStoreHands(hands.path, hands.record, *solver, hands.problem))
        hands.status = SessionHandRecord::Status::NotAnalysed;
    return hands;
}

} // namespace velk
