#include "club/CompanionLists.h"

#include "club/SessionSchedules.h"
#include "core/CompetitionNaming.h"
#include "core/files/DamagedFile.h"
#include "core/files/FileSpelling.h"
#include "core/files/ScoreFile.h"
#include "core/files/SlamFile.h"

#include <algorithm>

namespace velk {

namespace {

template <typename List> void EraseSession(List& list, int session) {
    if (session >= 1 && session <= static_cast<int>(list.size()))
        list.erase(list.begin() + (session - 1));
}

bool BlockIsBlank(const TZitScoreObj& block) {
    for (const auto& r : block.Records)
        if (r.Code != 0 || r.Score != 0 || r.Contract.get().size() > 0)
            return false;
    return true;
}

bool ScheduleIsBlank(const TZitSchemaObj& schedule) {
    for (const auto& name : schedule.BaseScheduleNames)
        if (!name.get().empty())
            return false;
    for (std::size_t i = 1; i < schedule.Entries.size(); ++i)
        if (schedule.Entries[i].NS != 0 || schedule.Entries[i].EW != 0)
            return false;
    for (std::size_t i = 1; i < schedule.PlayerEntries.size(); ++i) {
        const auto& e = schedule.PlayerEntries[i];
        if (e.N != 0 || e.Z != 0 || e.O != 0 || e.W != 0)
            return false;
    }
    return true;
}

} // namespace

void CompanionLists::sessionCreated(Club& club, int session) {
    const int pairs = club.CompetitionHead.PairCount;
    const int boards = club.SessionList[static_cast<std::size_t>(session - 1)].BoardCount;
    while (static_cast<int>(club.SessionScheduleList.size()) < session - 1)
        NewSessionSchedule(club, static_cast<int>(club.SessionScheduleList.size()) + 1, dialogs_);
    if (static_cast<int>(club.SessionScheduleList.size()) < session)
        NewSessionSchedule(club, session, dialogs_);
    while (withScoreFile_ && static_cast<int>(club.SessionScoreList.size()) < session)
        club.SessionScoreList.push_back(
            NewScoreBlock(static_cast<int>(club.SessionScoreList.size()) + 1, boards, pairs));
    while (withSlamFile_ && static_cast<int>(club.SessionSlamList.size()) < session)
        club.SessionSlamList.push_back(
            NewSlamBlock(static_cast<int>(club.SessionSlamList.size()) + 1, pairs));
}

void CompanionLists::sessionRemoved(Club& club, int session) {
    EraseSession(club.SessionScheduleList, session);
    EraseSession(club.SessionScoreList, session);
    EraseSession(club.SessionSlamList, session);
}

void CompanionLists::sessionSelected(Club& club, int session) {
    fitBlankEntries(club, session);
}

void CompanionLists::sessionStored(Club& club, int session) {
    fitBlankEntries(club, session);
}

void CompanionLists::fitBlankEntries(Club& club, int session) {
    // A session whose counts changed before anything was read or typed into it gets entries of its
    // new size; filled entries are never thrown away.
    if (session < 1 || session > club.SessionCount())
        return;
    const auto index = static_cast<std::size_t>(session - 1);
    const TZitCalcObj& record = club.SessionList[index];
    if (withScoreFile_ && index < club.SessionScoreList.size()) {
        TZitScoreObj& block = club.SessionScoreList[index];
        const int pairs = club.CompetitionHead.PairCount;
        const std::size_t wanted =
            static_cast<std::size_t>(pairs) * static_cast<std::size_t>(record.BoardCount) + 1;
        if (block.Records.size() != wanted && BlockIsBlank(block))
            block = NewScoreBlock(session, record.BoardCount, pairs);
    }
    if (index < club.SessionScheduleList.size()) {
        TZitSchemaObj& schedule = club.SessionScheduleList[index];
        if (schedule.RoundCount != record.RoundCount && ScheduleIsBlank(schedule))
            schedule = MakeEmptySessionSchedule(club, session, dialogs_);
    }
}

void CompanionLists::fileOpened(Club& club) {
    unsafeToOverwrite_.clear();
    const ScheduleFileWrites writes = readOnly_ ? ScheduleFileWrites::None : ScheduleFileWrites::Allowed;
    const bool schedulesRead =
        scheduleSessionOnly_
            ? LoadScheduleOfSession(club, club.ClubFilePath,
                                    *scheduleSessionOnly_ == 0 ? club.SessionCount() : *scheduleSessionOnly_,
                                    dialogs_, &unsafeToOverwrite_, writes)
            : LoadSessionSchedules(club, club.ClubFilePath, dialogs_, &unsafeToOverwrite_, writes);
    if (!schedulesRead)
        dialogs_.warning("Geen schema`s geladen.!");
    const ScoreFileShape shape = ShapeOf(club.CompetitionHead.PairCount, club.SessionList);
    ErrorCode error;
    // A score or slam file that could not be read keeps its bytes aside before anything is saved;
    // the lists start blank.
    std::vector<TZitScoreObj> scores;
    if (withScoreFile_) {
        if (ReadScoreFile(club.ClubFilePath, shape, true, scores, dialogs_, error))
            club.SessionScoreList = std::move(scores);
        else
            keepDamaged(ExistingSpelling(ScoreFilePathFor(club.ClubFilePath)));
    }
    std::vector<TZitSlemObj> slams;
    if (withSlamFile_ && ReadSlamFile(club.ClubFilePath, shape, true, slams, dialogs_, error))
        club.SessionSlamList = std::move(slams);
    else if (withSlamFile_)
        keepDamaged(SlamFileWritePath(SlamFilePathFor(club.ClubFilePath)));
    // Every session has its entries, also when a file was missing or damaged.
    for (int n = 1; n <= club.SessionCount(); ++n)
        sessionCreated(club, n);
}

void CompanionLists::keepDamaged(const std::string& path) {
    if (readOnly_ || !SetAsideAndReport(path, dialogs_))
        unsafeToOverwrite_.insert(path);
}

bool CompanionLists::mayWrite(const std::string& path, const char* what) {
    if (unsafeToOverwrite_.count(path) == 0)
        return true;
    dialogs_.error(std::string(what) + " " + path +
                   " niet bewaard: het was beschadigd gelezen.\rBewaar onder een andere naam.");
    return false;
}

void CompanionLists::fileClosed(Club& club) {
    unsafeToOverwrite_.clear();
    club.SessionScheduleList.clear();
    club.ScheduleListOfSession = 0;
    club.TableLabelList.clear();
    club.SessionScoreList.clear();
    club.SessionSlamList.clear();
}

int CompanionLists::saveUnder(Club& club, const std::string& competitionPath) {
    if (readOnly_)
        return 7;
    int missing = 0;
    ErrorCode error;
    const int pairs = club.CompetitionHead.PairCount;
    // A new file has no table labels yet; they follow from the configuration.
    if (club.TableLabelList.size() !=
        static_cast<std::size_t>(std::max<int>(club.CompetitionHead.TableCount, 0)) + 1)
        BuildTableLabels(club, dialogs_);
    const std::string schedulePath = ScheduleFilePathFor(competitionPath);
    if (club.SessionScheduleList.empty() || !mayWrite(schedulePath, "Schemabestand") ||
        !SaveSessionSchedules(club, schedulePath, dialogs_))
        missing |= 1;
    const std::string scorePath = ExistingSpelling(ScoreFilePathFor(competitionPath));
    if (withScoreFile_ && (club.SessionScoreList.empty() || !mayWrite(scorePath, "Scorebestand") ||
                           !WriteScoreFile(scorePath, club.SessionScoreList, pairs, true, dialogs_, error)))
        missing |= 2;
    if (withSlamFile_ && !writeSlams(club, competitionPath))
        missing |= 4;
    return missing;
}

bool CompanionLists::writeSlams(Club& club, const std::string& competitionPath) {
    ErrorCode error;
    const std::string slamPath = SlamFileWritePath(SlamFilePathFor(competitionPath));
    return !club.SessionSlamList.empty() && mayWrite(slamPath, "Slembestand") &&
           WriteSlamFile(slamPath, club.SessionSlamList, club.CompetitionHead.PairCount, true, dialogs_,
                         error);
}

bool CompanionLists::saveSlams(Club& club) {
    // A competition never saved has no place for its slam file yet.
    if (readOnly_ || !withSlamFile_ || club.ClubFileName == "N_N" || club.ClubFilePath.empty() ||
        club.ClubFilePath == "*.dba")
        return false;
    return writeSlams(club, club.ClubFilePath);
}

} // namespace velk
