#include "members/MembersRegister.h"

#include "core/FileNameHelpers.h"
#include "core/PathText.h"
#include "core/TextEncoding.h"
#include "core/files/MembersFile.h"
#include "members/MemberFields.h"
#include "members/MembersImport.h"

#include <filesystem>

namespace velk {

const std::array<const char*, kMemberColumns> kMemberColumnTitles = {
    "ID",        "AchterNaam", "Voorz.",  "Voorltr",   " Voornaam", " Adres", "Postcd", " Plaats",
    " Telefoon", " Mobiel",    " E-mail", " Geb.Dat.", "M/V",       " LidNr", " Extra"};
const std::array<int, kMemberColumns> kMemberColumnWidths = {30, 150, 40,  50, 70, 170, 60, 100,
                                                             85, 85,  200, 70, 40, 40,  90};

namespace {

// Windows-1252 letters in lower case, so that "é" and "É" compare equal as "e" and "E" do.
std::string LowerCp1252(std::string_view utf8) {
    std::string bytes = Utf8ToCp1252(utf8);
    for (char& c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 0x20);
    }
    return bytes;
}

} // namespace

void MembersRegister::newRegister(const std::string& folder) {
    Members.assign(1, TKXLedenOBJ{});
    Used.assign(1, false);
    fileName_ = (std::filesystem::path(folder) / "N_N.dat").string();
    open_ = true;
    modified_ = false;
    notSortedByName_ = false;
    everSaved_ = false;
    source_ = MembersSource::MembersFile;
}

bool MembersRegister::open(const std::string& path) {
    errorCode_.clear();
    std::vector<TKXLedenOBJ> read;
    if (!ReadMembersFile(path, read, dialogs_, errorCode_)) {
        if (std::filesystem::exists(path))
            unreadFiles_.insert(std::filesystem::absolute(path).lexically_normal().string());
        return false;
    }
    Members = std::move(read);
    Used.assign(Members.size(), false);
    fileName_ = path;
    open_ = true;
    modified_ = false;
    notSortedByName_ = false;
    everSaved_ = true;
    source_ = MembersSource::MembersFile;
    return true;
}

void MembersRegister::adopt(std::vector<TKXLedenOBJ> members, MembersSource source,
                            const std::string& fileName, const std::string& importedFrom) {
    Members = std::move(members);
    Used.assign(Members.size(), false);
    fileName_ = fileName;
    importedFrom_ = importedFrom;
    open_ = true;
    modified_ = true;
    notSortedByName_ = false;
    everSaved_ = false;
    source_ = source;
}

void MembersRegister::close() {
    open_ = false;
    modified_ = false;
}

bool MembersRegister::writeTo(const std::string& path) {
    const std::string key = std::filesystem::absolute(path).lexically_normal().string();
    bool saved = false;
    if (unreadFiles_.count(key))
        dialogs_.error("Ledenbestand " + path + " is niet volledig ingelezen;\rhet wordt niet overschreven.");
    else if (!importedFrom_.empty() && SameFile(path, importedFrom_))
        dialogs_.error(ImportedFileKeptText(importedFrom_));
    else
        saved = WriteMembersFile(path, Members);
    dialogs_.information("Wegschrijven van Ledenbestand: " + path + (saved ? " gelukt" : " Niet gelukt"));
    if (saved) {
        fileName_ = path;
        modified_ = false;
        everSaved_ = true;
    }
    return saved;
}

bool MembersRegister::save() {
    if (!open_)
        return false;
    if (notSortedByName_) {
        dialogs_.information("Sorteer eerst het bestand op Naam.!");
        return false;
    }
    if (!everSaved_) {
        FileChoice choice{"Bewaren..als", "Leden files (*.dat)|*.DAT", "dat", fileName_};
        const auto path = dialogs_.saveFileName(choice);
        if (!path)
            return false;
        return writeTo(*path);
    }
    return writeTo(fileName_);
}

bool MembersRegister::saveAs(const std::string& path) {
    if (!open_)
        return false;
    if (notSortedByName_) {
        dialogs_.information("Sorteer eerst het bestand op Naam.!");
        return false;
    }
    return writeTo(path);
}

std::string MembersRegister::ProposedSaveName(const std::string& competitionPath) {
    return "Leden" + std::filesystem::path(competitionPath).stem().string() + ".dat";
}

bool MembersRegister::checkSurnames() {
    for (std::size_t i = 0; i < Members.size(); ++i) {
        if (!Members[i].AchterNaam.get().empty())
            continue;
        dialogs_.warning("Achternaam in regel: " + std::to_string(i + 1) + " is leeg");
        if (!dialogs_.askYesNo("Wilt u Doorgaan\r"))
            return false;
    }
    return true;
}

void MembersRegister::sort(MemberSortKey key) {
    SortMembers(Members, key);
    Used.assign(Members.size(), false);
    notSortedByName_ = key == MemberSortKey::Id;
    modified_ = true;
}

int MembersRegister::insertAfter(int row) {
    const std::size_t at = row < 0 ? 0 : std::min(Members.size(), static_cast<std::size_t>(row) + 1);
    if (Members.size() >= kMaxMembers) {
        dialogs_.error("Invoegen van record mislukt");
        return -1;
    }
    Members.insert(Members.begin() + static_cast<std::ptrdiff_t>(at), TKXLedenOBJ{});
    Used.insert(Used.begin() + static_cast<std::ptrdiff_t>(at), false);
    modified_ = true;
    return static_cast<int>(at);
}

bool MembersRegister::remove(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= Members.size()) {
        dialogs_.error("Verwijderen van record mislukt");
        return false;
    }
    Members.erase(Members.begin() + row);
    Used.erase(Used.begin() + row);
    modified_ = true;
    return true;
}

bool MembersRegister::replace(int row, const TKXLedenOBJ& member) {
    if (row < 0 || static_cast<std::size_t>(row) >= Members.size()) {
        dialogs_.error("Wijzigen van record mislukt");
        return false;
    }
    if (!(Members[static_cast<std::size_t>(row)] == member))
        modified_ = true;
    Members[static_cast<std::size_t>(row)] = member;
    return true;
}

int MembersRegister::search(MemberSortKey column, const std::string& text) const {
    const std::string wanted = LowerCp1252(text);
    for (std::size_t i = 0; i < Members.size(); ++i) {
        const TKXLedenOBJ& m = Members[i];
        const std::string cell = column == MemberSortKey::Id           ? std::to_string(m.LidID)
                                 : column == MemberSortKey::AchterNaam ? m.AchterNaam.get()
                                                                       : m.VoorNaam.get();
        if (LowerCp1252(cell).compare(0, wanted.size(), wanted) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::array<std::string, kMemberColumns> MembersRegister::Cells(const TKXLedenOBJ& m) {
    // The grid shows the fields in dialog order up to the sex, then the member number.
    std::array<std::string, kMemberColumns> cells;
    for (int i = 0; i <= static_cast<int>(MemberField::Sexe); ++i)
        cells[static_cast<std::size_t>(i)] = MemberText(m, static_cast<MemberField>(i));
    cells[13] = std::to_string(m.LidNr);
    return cells;
}

std::string MembersRegister::counterText(int row) const {
    return std::to_string(row) + " van " + std::to_string(Members.size());
}

void MembersRegister::clearUsed() {
    Used.assign(Members.size(), false);
}

void MembersRegister::takeOptions(const TConfigObj& config) {
    enterOpensMember_ = (config.OptionFlags & OptionFlag::EnterMovesOn) != 0;
    printLandscape_ = (config.OptionFlags & OptionFlag::Landscape) != 0;
}

} // namespace velk
