#include "cli/ServedSession.h"

#include "core/ProgramFolder.h"
#include "terminals/EntryJournal.h"
#include "terminals/TablePinFile.h"

#include <iostream>

namespace velk::cli {

ServedSession::ServedSession(OpenCompetition& open, const std::string& competitionPath)
    : tables_(LoadScoreTables(DataFolder(), open.dialogs, tableError_)),
      pinPath_(terminals::TablePinFile::PathFor(competitionPath, open.club.CurrentSession)),
      terminals_(open.club, tables_,
                 terminals::EntryJournal::PathFor(competitionPath, open.club.CurrentSession)) {}

bool ServedSession::ready() const {
    if (!terminals_.ready())
        std::cerr << terminals_.problem() << '\n';
    return terminals_.ready();
}

bool ServedSession::keepPins(bool fresh) {
    std::string notice, problem;
    const bool kept = terminals::TablePinFile(pinPath_).keep(terminals_, fresh, notice, problem);
    if (!notice.empty())
        std::cerr << notice << '\n';
    if (!kept)
        std::cerr << problem << '\n';
    return kept;
}

} // namespace velk::cli
