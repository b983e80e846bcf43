#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/ConfigRecord.h"
#include "core/records/MemberRecord.h"
#include "members/MemberSorting.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace velk {

// Where the open member list came from.
enum class MembersSource { MembersFile = 1, KaartixList = 2 };

// The grid's columns, in the order of the heading.
inline constexpr int kMemberColumns = 15;
extern const std::array<const char*, kMemberColumns> kMemberColumnTitles;
extern const std::array<int, kMemberColumns> kMemberColumnWidths;

// The club's members register: the member list, its file and the register window's rules.
// The list stays loaded after the window closes, for the pair composition.
class MembersRegister {
public:
    explicit MembersRegister(Dialogs& dialogs) : dialogs_(dialogs) {}

    std::vector<TKXLedenOBJ> Members;
    // The pair composition's marks: members already placed in a pair, by list position.
    std::vector<bool> Used;

    bool isOpen() const { return open_; }
    const std::string& fileName() const { return fileName_; }
    bool modified() const { return modified_; }
    bool notSortedByName() const { return notSortedByName_; }
    MembersSource source() const { return source_; }
    ErrorCode& errorCode() { return errorCode_; }

    // A new register "N_N.dat" (in `folder`) with one empty member.
    void newRegister(const std::string& folder);
    // Reads a members file. A failed read leaves the register as it was and the file on disk
    // untouched; that file is never saved over afterwards.
    bool open(const std::string& path);
    // A list from elsewhere (an import), not yet saved under any name: `fileName` is the name the
    // first save proposes. The file it was imported from (`importedFrom`) is never written over.
    void adopt(std::vector<TKXLedenOBJ> members, MembersSource source, const std::string& fileName,
               const std::string& importedFrom = {});
    void close();

    // "Bewaar ledenlijst": refuses a list not sorted by name; reports the outcome.
    bool save();
    // "Bewaren..als": saves under `path`, which becomes the register's name.
    bool saveAs(const std::string& path);
    // The name proposed by "Bewaren..als": "Leden" + the competition's base name + ".dat".
    static std::string ProposedSaveName(const std::string& competitionPath);

    // Every member without a surname is named; false when the user stops.
    bool checkSurnames();

    void sort(MemberSortKey key);
    // A new empty member after `row` (0-based; -1 for the front); returns its row.
    int insertAfter(int row);
    bool remove(int row);
    // Stores an edited member at `row`.
    bool replace(int row, const TKXLedenOBJ& member);

    // The first row whose ID, surname or first name starts with `text`, compared
    // without regard to case; -1 when none does.
    int search(MemberSortKey column, const std::string& text) const;

    // The texts of one grid row.
    static std::array<std::string, kMemberColumns> Cells(const TKXLedenOBJ& member);
    // "row van count" below the grid (row counted from 1).
    std::string counterText(int row) const;

    void clearUsed();

    // "Entertoets (voor ledenlijst)" of the open competition's options: whether Enter on a row of
    // the grid opens the member dialog, as a click does. Off, Enter leaves the grid as it is. And
    // whether the list is printed landscape ("Liggend").
    void takeOptions(const TConfigObj& config);
    bool enterOpensMember() const { return enterOpensMember_; }
    bool printLandscape() const { return printLandscape_; }

private:
    bool writeTo(const std::string& path);

    Dialogs& dialogs_;
    ErrorCode errorCode_;
    bool open_ = false;
    bool modified_ = false;
    bool notSortedByName_ = false;
    bool everSaved_ = false;
    bool enterOpensMember_ = false;
    bool printLandscape_ = false;
    MembersSource source_ = MembersSource::MembersFile;
    std::string fileName_;
    // Files that could not be read whole: the register never writes over them.
    std::set<std::string> unreadFiles_;
    std::string importedFrom_;
};

} // namespace velk
