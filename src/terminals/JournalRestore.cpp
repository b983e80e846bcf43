#include "terminals/JournalRestore.h"

#include "terminals/TableTerminals.h"

#include <filesystem>

namespace velk::terminals {

bool JournalWaiting(const std::string& journalPath) {
    std::error_code ec;
    return std::filesystem::exists(journalPath, ec) && std::filesystem::file_size(journalPath, ec) > 0 && !ec;
}

JournalRestoreResult RestoreTableJournal(Club& club, const ScoreTables& tables,
                                         const std::string& journalPath) {
    JournalRestoreResult result;
    if (!JournalWaiting(journalPath))
        return result;
    TableTerminals terminals(club, tables, journalPath);
    if (!terminals.ready()) {
        result.problem = "Journaal van de tafels niet hersteld: " + terminals.problem();
        return result;
    }
    const int restored = terminals.restore();
    if (restored < 0) {
        result.problem = terminals.problem();
        return result;
    }
    // A journal with nothing to put back goes without a save: it would come back at every opening.
    if (restored == 0) {
        if (!terminals.savedElsewhere())
            result.problem = "Journaal niet te legen: " + journalPath;
        return result;
    }
    if (!terminals.save()) {
        result.problem =
            terminals.lastMessage().empty() ? "Redden van scores mislukt" : terminals.lastMessage();
        return result;
    }
    result.restored = restored;
    return result;
}

std::string RestoredText(int restored) {
    return std::to_string(restored) + " invoer(en) van de tafels uit het journaal hersteld";
}

} // namespace velk::terminals
