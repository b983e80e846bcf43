#include "club/ClubFile.h"

#include "club/CompetitionData.h"
#include "club/PairSorting.h"
#include "club/Sessions.h"
#include "core/CompetitionNaming.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/files/CompetitionFile.h"
#include "core/files/DamagedFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace velk {

namespace {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string PairLine(const TParenObj& p) {
    char buf[96];
    const char letter[2] = {static_cast<char>(p.Groep == 0 ? ' ' : p.Groep), 0};
    std::snprintf(buf, sizeof buf, "  %3d  %1s  %2d   ", p.ClubNr, letter, p.GrpNr);
    return std::string(buf) + p.Naam.get() + "  ";
}

} // namespace

ClubFile::ClubFile(Club& club, Dialogs& dialogs, const Clock& clock)
    : club_(club), dialogs_(dialogs), clock_(clock) {}

void ClubFile::resetToEmpty() {
    if (club_.Companions)
        club_.Companions->fileClosed(club_);
    const DateTime today = clock_.now();
    Club::SessionCompanions* companions = club_.Companions;
    club_ = Club{};
    club_.Companions = companions;
    club_.TodayText = SessionDateText(today.day, today.month, today.year);
    club_.SeasonYear = today.year;
    club_.ClubFileName = "N_N";
    loaded_ = false;
    protectedPath_.clear();
    NeedSortFirst = false;
    PairListSnapshot.clear();
    rememberSaved();
}

void ClubFile::rememberSaved() {
    if (!tracksChanges_)
        return;
    savedFile_ = fileContents();
    savedCompanions_ = companionContents();
}

void ClubFile::stopTrackingChanges() {
    tracksChanges_ = false;
    savedFile_ = {};
    savedCompanions_ = {};
}

ClubFile::FileContents ClubFile::fileContents() const {
    FileContents contents{club_.ConfigRecord, club_.SlamBonusTable, club_.PairList, club_.SessionList};
    // The working copies, as a save stores them first.
    contents.config.Head = club_.CompetitionHead;
    const int current = club_.CurrentSession;
    if (current >= 1 && current <= club_.SessionCount()) {
        TZitCalcObj& record = contents.sessions[static_cast<std::size_t>(current - 1)];
        std::vector<TCalcObj> rows = std::move(record.Rows);
        record = club_.SessionHead;
        record.Rows = std::move(rows);
    }
    return contents;
}

ClubFile::CompanionContents ClubFile::companionContents() const {
    return {club_.SessionScheduleList, club_.TableLabelList, club_.SessionScoreList, club_.SessionSlamList};
}

bool ClubFile::hasUnsavedChanges() const {
    if (!tracksChanges_)
        return loaded_;
    return loaded_ && (fileContents() != savedFile_ || companionContents() != savedCompanions_);
}

void ClubFile::markCompanionsSaved(int missing) {
    if (!tracksChanges_)
        return;
    // A list that is not there is written by nobody; an empty one has nothing to lose.
    const CompanionContents now = companionContents();
    if (!(missing & ScheduleList) || (now.schedules.empty() && now.tableLabels.empty())) {
        savedCompanions_.schedules = now.schedules;
        savedCompanions_.tableLabels = now.tableLabels;
    }
    if (!(missing & ScoreList) || now.scores.empty())
        savedCompanions_.scores = now.scores;
    if (!(missing & SlamList) || now.slams.empty())
        savedCompanions_.slams = now.slams;
}

int ClubFile::saveCompanions() {
    const int missing = saveCompanionsUnder(club_.ClubFilePath);
    markCompanionsSaved(missing);
    return missing;
}

bool ClubFile::open(const std::string& path) {
    CompetitionFileData data;
    ErrorCode error;
    CompetitionFileRead notes;
    if (!ReadCompetitionFile(path, data, dialogs_, error, &notes)) {
        if (error.value() != CompetitionFileError::Missing)
            ReportCompetitionFileError(dialogs_, error.value(), FileNameOf(path));
        club_.ErrorCode.report(error.value());
        return false;
    }
    // Sessions were dropped on reading: the file on disk keeps them until a save, so its bytes are
    // put aside first; without a copy the file is never written over.
    const bool keepOffDisk =
        !notes.RemovedSessions.empty() && (readOnly_ || !SetAsideAndReport(path, dialogs_));
    resetToEmpty();
    protectedPath_ = keepOffDisk ? path : std::string();
    static_cast<CompetitionFileData&>(club_) = std::move(data);
    LoadHead(club_);
    DeriveValues(club_, &dialogs_);
    club_.ClubFilePath = path;
    club_.ClubFileName = FileNameOf(path);
    club_.CompetitionNumber = CompetitionNumberFromFileName(path, club_.IsCompetition);
    club_.ScheduleFilePath = ScheduleFilePathFor(path);
    club_.ScoreFilePath = ScoreFilePathFor(path);
    club_.SlamFilePath = SlamFilePathFor(path);
    loaded_ = true;
    takeSnapshot();
    if (club_.Companions)
        club_.Companions->fileOpened(club_);
    LoadSession(club_, 1);
    rememberSaved();
    return true;
}

int ClubFile::duplicateCheck() {
    const auto& list = club_.PairList;
    for (std::size_t i = 1; i < list.size(); ++i) {
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            std::string kind;
            if (list[i].ClubNr == list[j].ClubNr)
                kind = "Clubnummer in duplo  :";
            else if (list[i].Groep == list[j].Groep && list[i].GrpNr == list[j].GrpNr)
                kind = "Groep Label in duplo :";
            if (kind.empty())
                continue;
            dialogs_.error(kind + "\r" + PairLine(list[i]) + "\r" + PairLine(list[j]));
            return static_cast<int>(j);
        }
    }
    return 0;
}

bool ClubFile::refuseUnsorted() {
    if (!NeedSortFirst)
        return false;
    dialogs_.warning("Sorteer eerst het bestand op GroepNr.!");
    return true;
}

std::string ClubFile::askSavePath(const std::string& startPath) {
    const std::string path = chooseSavePath(startPath);
    return path.empty() || !confirmOverwrite(path) ? std::string() : path;
}

std::string ClubFile::chooseSavePath(const std::string& startPath) {
    FileChoice choice;
    choice.title = "Velk bestand";
    choice.filter = "velk bestand (*.dba)|*.DBA";
    choice.defaultExtension = "dba";
    choice.initialPath = startPath;
    const auto chosen = dialogs_.saveFileName(choice);
    if (!chosen || chosen->empty())
        return {};
    std::string path = *chosen;
    if (FileNameOf(path).find('.') == std::string::npos)
        path += ".dba";
    return path;
}

bool ClubFile::confirmOverwrite(const std::string& path) {
    return !FileExists(path) || dialogs_.askYesNo("Bestand bestaat al\rbestand:" + path + " overschrijven?");
}

std::string ClubFile::askNextCompetitionPath() {
    const std::string proposal = NextCompetitionPath(club_.ClubFilePath);
    for (;;) {
        const std::string path = chooseSavePath(proposal);
        if (path.empty())
            return {};
        if (CompetitionNumberFromFileName(path, club_.IsCompetition) == 0) {
            // The season lists and the competition line read the number from the name.
            ErrorCode scratch;
            ShowError(dialogs_, scratch, FileNameOf(path), ErrorMessage::NoCompetitionIndex);
            continue;
        }
        return confirmOverwrite(path) ? path : std::string();
    }
}

std::string ClubFile::askFirstSavePath(const std::string& startPath) {
    const std::string path = askSavePath(startPath);
    return path.empty() || !club_.IsCompetition ? path : FirstCompetitionPath(path);
}

void ClubFile::afterPathChosen(const std::string& path) {
    club_.ClubFilePath = path;
    club_.ClubFileName = FileNameOf(path);
    club_.CompetitionNumber = CompetitionNumberFromFileName(path, club_.IsCompetition);
    club_.SessionHead.CompetitionNr = static_cast<std::int16_t>(club_.CompetitionNumber);
    for (auto& session : club_.SessionList)
        session.CompetitionNr = static_cast<std::int16_t>(club_.CompetitionNumber);
}

bool ClubFile::writeUnderNewName(const std::string& path, bool report) {
    const std::string oldPath = club_.ClubFilePath;
    const std::string oldName = club_.ClubFileName;
    const int oldNumber = club_.CompetitionNumber;
    const std::int16_t oldHeadNumber = club_.SessionHead.CompetitionNr;
    std::vector<std::int16_t> oldSessionNumbers;
    for (const auto& session : club_.SessionList)
        oldSessionNumbers.push_back(session.CompetitionNr);
    afterPathChosen(path);
    if (writeTo(path, report))
        return true;
    // Nothing was written under the new name: the file keeps its own.
    club_.ClubFilePath = oldPath;
    club_.ClubFileName = oldName;
    club_.CompetitionNumber = oldNumber;
    club_.SessionHead.CompetitionNr = oldHeadNumber;
    for (std::size_t i = 0; i < club_.SessionList.size() && i < oldSessionNumbers.size(); ++i)
        club_.SessionList[i].CompetitionNr = oldSessionNumbers[i];
    return false;
}

bool ClubFile::writeTo(const std::string& path, bool report) {
    if (!writeFile(path, report))
        return false;
    club_.ClubFilePath = path;
    club_.ClubFileName = FileNameOf(path);
    club_.ScheduleFilePath = ScheduleFilePathFor(path);
    club_.ScoreFilePath = ScoreFilePathFor(path);
    club_.SlamFilePath = SlamFilePathFor(path);
    // The companion lists count as saved with it: a save is where their changes are kept.
    rememberSaved();
    return true;
}

bool ClubFile::writeFile(const std::string& path, bool report) {
    if (readOnly_)
        return false;
    StoreHead(club_);
    StoreSession(club_, club_.CurrentSession);
    if (!protectedPath_.empty() && path == protectedPath_) {
        dialogs_.error("Bestand " + path +
                       " niet bewaard: het was beschadigd gelezen.\rBewaar onder een andere naam.");
        return false;
    }
    // Asked before anything is written, so "Nee" leaves the file on disk as it was.
    if (club_.CompetitionHead.PairCount % 2 != 0 &&
        !dialogs_.askYesNo("Aantal paren is NIET even, toch doorgaan?"))
        return false;
    ErrorCode error;
    const std::string fileName = FileNameOf(path);
    const bool ok = WriteCompetitionFile(path, club_, club_.CompetitionHead, fileName, club_.SeasonYear,
                                         dialogs_, error, report ? SaveReport::Report : SaveReport::Silent);
    club_.ErrorCode.report(error.value());
    return ok;
}

bool ClubFile::save(bool confirm, bool report) {
    if (duplicateCheck() != 0 || refuseUnsorted())
        return false;
    std::string path = club_.ClubFilePath;
    if (club_.ClubFileName == "N_N" || path.empty() || path == "*.dba") {
        // A file the wizard did not save gets the name the wizard would have given it.
        path = askFirstSavePath(path);
        if (path.empty() || !writeUnderNewName(path, report))
            return false;
    } else if (confirm && FileExists(path) &&
               !dialogs_.askYesNo("Velk\rBewaren van\r" + club_.ClubFileName)) {
        return false;
    } else if (!writeTo(path, report)) {
        return false;
    }
    // The schedules, scores and slams in memory are part of what is saved; a list that is empty
    // has nothing to write.
    if (!club_.Companions)
        return true;
    const int missing = saveCompanions();
    const int held = (club_.SessionScheduleList.empty() ? 0 : ScheduleList) |
                     (club_.SessionScoreList.empty() ? 0 : ScoreList) |
                     (club_.SessionSlamList.empty() ? 0 : SlamList);
    return (missing & held) == 0;
}

bool ClubFile::saveAs() {
    if (!isOnDisk())
        return false;
    if (duplicateCheck() != 0 || refuseUnsorted())
        return false;
    const std::string path = askSavePath(club_.ClubFilePath);
    if (path.empty() || !writeUnderNewName(path, true))
        return false;
    const int missing = saveCompanions();
    static const char* const texts[8] = {"",
                                         "Geen SchemaList ",
                                         "Geen ScoreList ",
                                         "Geen SchemaList, geen ScoreList",
                                         "Geen SlemList ",
                                         "Geen SchemaList, geen SlemList",
                                         "Geen ScoreList, geen Slemlist",
                                         "Geen ScemaList, geen ScoreList, geen Slemlist"};
    if (missing > 0 && missing < 8)
        dialogs_.error(texts[missing]);
    return true;
}

int ClubFile::saveCompanionsUnder(const std::string& competitionPath) {
    return club_.Companions ? club_.Companions->saveUnder(club_, competitionPath) : 7;
}

bool ClubFile::isOnDisk() const {
    return FileExists(club_.ClubFilePath);
}

std::array<ClubFile::CompanionFile, 3> ClubFile::CompanionFilesOf(const std::string& competitionPath) {
    return {CompanionFile{"Schemabestand", ScheduleFilePathFor(competitionPath)},
            CompanionFile{"Scorebestand", ScoreFilePathFor(competitionPath)},
            CompanionFile{"Slembestand", SlamFilePathFor(competitionPath)}};
}

std::string ClubFile::ImportTarget(const std::string& source, const std::string& folder) {
    const std::string name = FileNameOf(source);
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool ClubFile::importFrom(const std::string& source, const std::string& folder) {
    if (!open(source))
        return false;
    const std::string target = ImportTarget(source, folder);
    if (FileExists(target) &&
        !dialogs_.askYesNo("Bestand bestaat al :" + FileNameOf(target) + "\rwilt u dit overschrijven"))
        return true;
    if (!writeTo(target, false))
        return true;
    const int missing = saveCompanions();
    if (missing == 0) {
        dialogs_.information("Velk. Alle bestanden bewaard");
        return true;
    }
    const auto companions = CompanionFilesOf(target);
    for (std::size_t k = 0; k < companions.size(); ++k)
        if (missing & (1 << k))
            dialogs_.error("Fout bij bewaren: " + companions[k].path);
    return true;
}

bool ClubFile::exportTo(const std::string& path) {
    // The open file keeps its own name and its file on disk; only the copy is written.
    if (!writeFile(path, true))
        return false;
    const int missing = saveCompanionsUnder(path);
    if (missing == 0)
        dialogs_.information("velk, Alle bestanden bewaard");
    const auto companions = CompanionFilesOf(path);
    for (std::size_t k = 0; k < companions.size(); ++k)
        if (missing & (1 << k))
            dialogs_.information(std::string("velk : ") + companions[k].kind + "Niet bewaard");
    return true;
}

bool ClubFile::askSaveFirst() {
    return !dialogs_.askYesNo("Bestand bewaren ") || save();
}

bool ClubFile::close() {
    if (duplicateCheck() != 0)
        return false;
    if (!askSaveFirst())
        return false;
    resetToEmpty();
    return true;
}

void ClubFile::buildPairList() {
    if (club_.PairsPerGroup % 2 != 0)
        dialogs_.warning("Aantal Paren per Groep moet bij voorkeur even zijn.!");
    club_.PairList.clear();
    const int pairs = club_.CompetitionHead.PairCount;
    club_.PairList.reserve(static_cast<std::size_t>(std::max(pairs, 0)) + 1);
    club_.PairList.push_back(MakeHeaderRecord(club_.SeasonYear, club_.ClubFileName, club_.IsCompetition));
    for (int n = 1; n <= pairs; ++n)
        club_.PairList.push_back(
            MakeNewPair(n, club_.PairsPerGroup, club_.CompetitionHead.GroupCount, club_.IsIndividual));
}

int ClubFile::insertPair(int row, int currentGroup) {
    if (club_.SessionCount() >= 2) {
        dialogs_.information("Invoegen paren alleen mogelijk voor éérste zitting van Competitie");
        return 0;
    }
    int at = 0;
    if (dialogs_.askYesNo("Wilt u hier één paar invoegen, vóór het huidige paar"))
        at = row;
    else if (dialogs_.askYesNo("Wilt u hier een paar invoegen ná het huidige paar"))
        at = row + 1;
    else
        return 0;
    at = std::clamp<int>(at, 1, static_cast<int>(club_.PairList.size()));
    CompetitionHead& h = club_.CompetitionHead;
    int highest = h.PairCount;
    for (std::size_t i = 1; i < club_.PairList.size(); ++i)
        highest = std::max<int>(highest, club_.PairList[i].ClubNr);
    TParenObj pair;
    pair.ClubNr = static_cast<std::int16_t>(highest + 1);
    const char letter = h.GroupCount == 1 ? ' ' : GroupLetter(currentGroup);
    pair.Groep = static_cast<std::uint8_t>(letter);
    pair.GrpNr = static_cast<std::int16_t>(club_.PairsPerGroup + 1);
    std::string name = club_.IsIndividual ? "Speler" : "Paar";
    if (letter != ' ')
        name += letter;
    pair.Naam.set(name + std::to_string(pair.GrpNr));
    pair.Indx = static_cast<std::int16_t>(at);
    club_.PairList.insert(club_.PairList.begin() + at, pair);
    if (club_.SessionCount() == 1) {
        auto& rows = club_.SessionList[0].Rows;
        const std::size_t rpos = std::min<std::size_t>(static_cast<std::size_t>(at), rows.size());
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(rpos),
                    TCalcObj::NewRow(static_cast<std::int16_t>(h.PairCount + 1)));
    }
    ++h.PairCount;
    StoreHead(club_);
    DeriveValues(club_, nullptr);
    askSaveAfterPairCountChange();
    return at;
}

void ClubFile::removePairAt(int row) {
    club_.PairList.erase(club_.PairList.begin() + row);
    // Each row belongs to the pair at its position; it goes with the pair.
    for (auto& session : club_.SessionList)
        if (row < static_cast<int>(session.Rows.size()))
            session.Rows.erase(session.Rows.begin() + row);
    for (std::size_t i = 1; i < club_.PairList.size(); ++i)
        club_.PairList[i].Indx = static_cast<std::int16_t>(i);
    --club_.CompetitionHead.PairCount;
    StoreHead(club_);
    DeriveValues(club_, nullptr);
}

void ClubFile::askSaveAfterPairCountChange() {
    if (dialogs_.askYesNo("Aantal paren veranderd in: " + std::to_string(club_.CompetitionHead.PairCount) +
                          "\r" + "Score gegevens gaan verloren\r" + "Wilt u gewijzigd bestand bewaren?"))
        saveAs();
}

bool ClubFile::deletePair(int row) {
    if (row < 1 || row >= static_cast<int>(club_.PairList.size()))
        return false;
    const TParenObj& pair = club_.PairList[static_cast<std::size_t>(row)];
    if (!dialogs_.askYesNo("Weet u zeker dat u paar: " + std::to_string(pair.ClubNr) + " wilt verwijderen"))
        return false;
    removePairAt(row);
    askSaveAfterPairCountChange();
    return true;
}

bool ClubFile::deletePairFromNavigator(int row) {
    if (row < 1 || row >= static_cast<int>(club_.PairList.size()))
        return false;
    if (!dialogs_.askYesNo("Wilt u dit paar verwijderen"))
        return false;
    dialogs_.warning("Pas op, Alleen voor een even aantal paren zitting mogelijk");
    removePairAt(row);
    return true;
}

bool ClubFile::saveUnderChosenPath(bool report) {
    const std::string path =
        club_.ClubFileName == "N_N" ? askFirstSavePath(club_.ClubFilePath) : askSavePath(club_.ClubFilePath);
    return !path.empty() && writeUnderNewName(path, report);
}

bool ClubFile::movePair(int from, int to) {
    if (!MovePairRow(club_, from, to))
        return false;
    takeSnapshot();
    return true;
}

ClubFile::NextResult ClubFile::nextCompetition() {
    // The regrouped list belongs to the next competition only; the result rows of this one still
    // follow the old order, so every way back restores it.
    Club before = club_;
    const std::vector<TParenObj> snapshotBefore = PairListSnapshot;
    auto restore = [&] {
        const ErrorCode error = club_.ErrorCode;
        club_ = std::move(before);
        club_.ErrorCode = error;
        PairListSnapshot = snapshotBefore;
        return NextResult::NotSaved;
    };
    RegroupForNextCompetition(club_);
    takeSnapshot();
    if (!dialogs_.askYesNo("Bridge Club is opnieuw ingedeeld\rBestand bewaren met nieuwe naam "))
        return restore();
    const std::string path = askNextCompetitionPath();
    if (path.empty())
        return restore();
    afterPathChosen(path);
    // The next competition starts with one new session; the old ones stay in the old file. The
    // companion lists hear of it once the new file is written.
    const int oldSessions = club_.SessionCount();
    Club::SessionCompanions* companions = club_.Companions;
    club_.Companions = nullptr;
    club_.SessionList.clear();
    AppendNewSession(club_);
    LoadSession(club_, 1);
    club_.Companions = companions;
    if (!writeTo(path, true))
        return restore();
    if (companions) {
        for (int n = oldSessions; n >= 1; --n)
            companions->sessionRemoved(club_, n);
        companions->sessionCreated(club_, 1);
        companions->sessionSelected(club_, 1);
    }
    if (!dialogs_.askYesNo("Nieuwe bestand openen "))
        return NextResult::Saved;
    if (!open(path))
        return NextResult::Saved;
    for (auto& session : club_.SessionList)
        for (auto& row : session.Rows)
            row.clearResults();
    LoadSession(club_, 1);
    return NextResult::Opened;
}

void ClubFile::askTwoLines() {
    const bool two = dialogs_.askYesNo("Uitslagen in twee lijnen (NZ en OW)");
    club_.SessionHead.TwoLines = two ? 1 : 0;
    if (two)
        dialogs_.information("NZ en OW rangorde berekening in 2 lijnen bewaard");
    StoreSession(club_, club_.CurrentSession);
    if (FileExists(club_.ClubFilePath))
        writeTo(club_.ClubFilePath, false);
}

std::string ClubFile::competitionLine() const {
    static const char* const modes[] = {"Paren ", "Butler", "Cr.Imp", "Enkel"};
    const CompetitionHead& h = club_.CompetitionHead;
    const char* mode = h.ScoringMode < 4 ? modes[h.ScoringMode] : "";
    const std::string date = club_.SessionHead.SessionDate.get();
    char buf[256];
    std::snprintf(
        buf, sizeof buf,
        " Compet:%2d Mode: %6s  Zitt(n):%2d(%2d)  Paren:%3d  Tafels: %3d Spellen:%2d Ronden:%2d   Datum%12s",
        club_.CompetitionNumber, mode, club_.CurrentSession, h.SessionsPerCompetition, h.PairCount,
        h.TableCount, club_.SessionHead.BoardCount, club_.SessionHead.RoundCount, date.c_str());
    return buf;
}

} // namespace velk
