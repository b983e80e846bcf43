#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/records/MemberRecord.h"
#include "members/AccessTable.h"

#include <string>
#include <vector>

namespace velk {

// The text list written beside an imported members file.
inline constexpr const char* kMembersTextList = "KXLeden07.txt";

// "Bestand <path> is het ingelezen Kaartix bestand;\rhet wordt niet overschreven.": a members file
// is never written over the database or export its members came from.
std::string ImportedFileKeptText(const std::string& path);

// Taking the other program's members over: a "Leden" table or a members export is read and shown,
// then copied into a members file and its text list.
class MembersImport {
public:
    MembersImport(Dialogs& dialogs, const Clock& clock) : dialogs_(dialogs), clock_(clock) {}

    // A members database read from `path` (its "Leden" table, or why not). Reports either way.
    bool takeDatabase(const std::string& path, AccessRead status, AccessTable table);
    // A "Ledenxx.csv" export's text. Reports either way.
    bool takeExport(const std::string& path, const std::string& text);

    const AccessTable& table() const { return table_; }
    const std::vector<TKXLedenOBJ>& members() const { return members_; }
    const std::string& heading() const { return heading_; }
    bool ready() const { return ready_; }

    // "Kopieer Leden": the members file at `membersPath` and the text list beside it. The file
    // read from is never written over.
    bool copyTo(const std::string& membersPath);

private:
    bool failed(const std::string& path);

    Dialogs& dialogs_;
    const Clock& clock_;
    AccessTable table_;
    std::vector<TKXLedenOBJ> members_;
    std::string heading_;
    std::string source_; // the database or export read
    bool ready_ = false;
};

} // namespace velk
