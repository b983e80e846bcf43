#include "members/MembersImport.h"

#include "core/DateHelpers.h"
#include "core/FileNameHelpers.h"
#include "core/SafeSave.h"
#include "core/files/MembersFile.h"
#include "members/MemberImport.h"

#include <filesystem>

namespace velk {

std::string ImportedFileKeptText(const std::string& path) {
    return "Bestand " + path + " is het ingelezen Kaartix bestand;\rhet wordt niet overschreven.";
}

bool MembersImport::failed(const std::string& path) {
    ready_ = false;
    dialogs_.error(" FoutBijInlezen");
    dialogs_.error("Inlezen van: " + path + " niet gelukt");
    return false;
}

bool MembersImport::takeDatabase(const std::string& path, AccessRead status, AccessTable table) {
    if (status != AccessRead::Ok)
        return failed(path);
    std::vector<TKXLedenOBJ> members;
    std::string problem;
    if (!MembersFromLedenTable(table, members, problem)) {
        dialogs_.error(problem);
        return failed(path);
    }
    table_ = std::move(table);
    members_ = std::move(members);
    heading_ = "Ledentabel ";
    source_ = path;
    ready_ = true;
    dialogs_.information("Inlezen Membersfile: " + path + "  " + TodayText(clock_) + " gelukt");
    return true;
}

bool MembersImport::takeExport(const std::string& path, const std::string& text) {
    std::vector<TKXLedenOBJ> members;
    std::string heading;
    if (!MembersFromCsv(text, members, heading)) {
        ready_ = false;
        dialogs_.error("Bestandformaat niet correct, lees anderefile");
        return false;
    }
    table_ = {};
    members_ = std::move(members);
    heading_ = heading;
    source_ = path;
    ready_ = true;
    dialogs_.information(" Inlezen KXLedenTabel: " + path + "  " + TodayText(clock_) + " gelukt");
    return true;
}

bool MembersImport::copyTo(const std::string& membersPath) {
    if (!ready_)
        return false;
    const std::string list = MembersTextList(members_);
    const std::string listPath =
        (std::filesystem::path(membersPath).parent_path() / kMembersTextList).string();
    for (const std::string& target : {membersPath, listPath})
        if (SameFile(target, source_)) {
            dialogs_.error(ImportedFileKeptText(source_));
            dialogs_.information("Wegschrijven van" + membersPath + " niet gelukt");
            return false;
        }
    const bool saved =
        WriteMembersFile(membersPath, members_) &&
        SaveFileAtomically(listPath, {reinterpret_cast<const std::uint8_t*>(list.data()), list.size()},
                           ".~kx");
    dialogs_.information("Wegschrijven van" + membersPath + (saved ? " gelukt" : " niet gelukt"));
    return saved;
}

} // namespace velk
