#include "cli/SessionHands.h"

#include "core/records/FirstBoard.h"
#include "hands/HandRecordFile.h"
#include "hands/SessionHandRecord.h"
#include "hands/dds/DdsSolver.h"

#include <algorithm>
#include <iostream>

namespace velk::cli {

bool SessionHands::Load(const Club& club) {
    path = HandRecordPath(club.ClubFilePath, club.CurrentSession);
    std::string problem;
    switch (ReadHandRecord(path, record, problem)) {
    case HandRecordRead::Ok:
        return true;
    case HandRecordRead::Missing:
        std::cerr << MissingHandRecordText(club.CurrentSession) << '\n';
        return false;
    case HandRecordRead::Damaged:
        break;
    }
    std::cerr << DamagedHandRecordText(path, problem) << '\n';
    return false;
}

bool SessionHands::AnalyseAndStore() {
    DdsSolver solver;
    std::string problem;
    if (AnalyseAndStoreHands(path, record, solver, problem))
        return true;
    std::cerr << problem << '\n';
    return false;
}

int OpenForHands(OpenCompetition& open, const ArgParser& args, SessionHands* hands) {
    open.readOnly();
    if (const int status = open.OpenNamed(args))
        return status;
    return hands && !hands->Load(open.club) ? 1 : 0;
}

int SessionBoardCount(const Club& club) {
    if (club.SessionHead.BoardCount < 1)
        std::cerr << "zitting " << club.CurrentSession << " heeft geen spellen\n";
    return std::max<int>(club.SessionHead.BoardCount, 0);
}

int FirstBoard(const Club& club) {
    return FirstBoardOf(club.SessionHead);
}

HandRecord NewHandRecord(const Club& club) {
    HandRecord record;
    record.event =
        club.ConfigRecord.Head.CompetitionName.get() + ", zitting " + std::to_string(club.CurrentSession);
    record.date = club.SessionHead.SessionDate.get();
    return record;
}

bool MayWriteHands(const std::string& path) {
    HandRecord existing;
    std::string problem;
    if (ReadHandRecord(path, existing, problem) != HandRecordRead::Damaged)
        return true;
    std::cerr << DamagedHandRecordText(path, problem) << '\n';
    return false;
}

} // namespace velk::cli
