#include "club/CompanionLists.h"

#include "core/CompetitionNaming.h"
#include "schedules/SessionSchedules.h"
#include "scoring/ScoreFile.h"
#include "scoring/SlamFile.h"

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

} // namespace

void CompanionLists::sessionCreated(Club& club, int session) {
    const int pairs = club.CompetitionHead.PairCount;
    const int boards = club.SessionList[static_cast<std::size_t>(session - 1)].BoardCount;
    while (static_cast<int>(club.SessionScheduleList.size()) < session - 1)
        NewSessionSchedule(club, static_cast<int>(club.SessionScheduleList.size()) + 1, dialogs_);
    if (static_cast<int>(club.SessionScheduleList.size()) < session)
        NewSessionSchedule(club, session, dialogs_);
    while (static_cast<int>(club.SessionScoreList.size()) < session)
        club.SessionScoreList.push_back(
            NewScoreBlock(static_cast<int>(club.SessionScoreList.size()) + 1, boards, pairs));
    while (static_cast<int>(club.SessionSlamList.size()) < session)
        club.SessionSlamList.push_back(
            NewSlamBlock(static_cast<int>(club.SessionSlamList.size()) + 1, pairs));
}

void CompanionLists::sessionRemoved(Club& club, int session) {
    EraseSession(club.SessionScheduleList, session);
    EraseSession(club.SessionScoreList, session);
    EraseSession(club.SessionSlamList, session);
}

void CompanionLists::sessionSelected(Club& club, int session) {
    // A session whose board count changed before any score was typed gets a block of its new size.
    if (session < 1 || session > static_cast<int>(club.SessionScoreList.size()))
        return;
    TZitScoreObj& block = club.SessionScoreList[static_cast<std::size_t>(session - 1)];
    const int boards = club.SessionHead.BoardCount;
    const int pairs = club.CompetitionHead.PairCount;
    const std::size_t wanted = static_cast<std::size_t>(pairs) * static_cast<std::size_t>(boards) + 1;
    if (block.Records.size() != wanted && BlockIsBlank(block))
        block = NewScoreBlock(session, boards, pairs);
}

void CompanionLists::fileOpened(Club& club) {
    if (!LoadSessionSchedules(club, club.ClubFilePath, dialogs_))
        dialogs_.warning("Geen schema`s geladen.!");
    const ScoreFileShape shape = ShapeOf(club.CompetitionHead.PairCount, club.SessionList);
    ErrorCode error;
    std::vector<TZitScoreObj> scores;
    if (ReadScoreFile(club.ClubFilePath, shape, true, scores, dialogs_, error))
        club.SessionScoreList = std::move(scores);
    std::vector<TZitSlemObj> slams;
    if (ReadSlamFile(club.ClubFilePath, shape, true, slams, dialogs_, error))
        club.SessionSlamList = std::move(slams);
    // Every session has its entries, also when a file was missing or damaged.
    for (int n = 1; n <= club.SessionCount(); ++n)
        sessionCreated(club, n);
}

void CompanionLists::fileClosed(Club& club) {
    club.SessionScheduleList.clear();
    club.TableLabelList.clear();
    club.SessionScoreList.clear();
    club.SessionSlamList.clear();
}

int CompanionLists::saveUnder(Club& club, const std::string& competitionPath) {
    int missing = 0;
    ErrorCode error;
    const int pairs = club.CompetitionHead.PairCount;
    // A new file has no table labels yet; they follow from the configuration.
    if (club.TableLabelList.size() !=
        static_cast<std::size_t>(std::max<int>(club.CompetitionHead.TableCount, 0)) + 1)
        BuildTableLabels(club, dialogs_);
    if (club.SessionScheduleList.empty() ||
        !SaveSessionSchedules(club, ScheduleFilePathFor(competitionPath), dialogs_))
        missing |= 1;
    if (club.SessionScoreList.empty() || !WriteScoreFile(ScoreFilePathFor(competitionPath),
                                                         club.SessionScoreList, pairs, true, dialogs_, error))
        missing |= 2;
    if (club.SessionSlamList.empty() || !WriteSlamFile(SlamFileWritePath(SlamFilePathFor(competitionPath)),
                                                       club.SessionSlamList, pairs, true, dialogs_, error))
        missing |= 4;
    return missing;
}

} // namespace velk
