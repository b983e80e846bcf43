#pragma once

#include "core/ErrorCode.h"
#include "core/files/CompetitionFile.h"
#include "core/records/ScheduleRecords.h"
#include "core/records/ScoreRecord.h"
#include "core/records/SlamRecord.h"

#include <string>
#include <vector>

namespace velk {

// The open competition: everything the windows share. The lists are replaced wholesale when a
// file is read and cleared when it is closed.
struct Club : CompetitionFileData {
    // Working copy of the first 67 bytes of ConfigRecord.
    velk::CompetitionHead CompetitionHead;

    // Derived from the head after every read and accepted change.
    int PairsPerGroup = 0;
    int TablesPerGroup = 0;
    int RankingSize = 0;
    bool IsIndividual = false;

    // The schedule of every session (item z - 1 is session z) and the labels of the session-wide
    // tables (item n is table n), as in the ".sma" file.
    std::vector<TZitSchemaObj> SessionScheduleList;
    std::vector<TTafelObj> TableLabelList;
    // 0 when every schedule is in the list; n when only session n's was read (the others are heads
    // without entries), so the list must never be written.
    int ScheduleListOfSession = 0;
    // Full path of the base schedule last opened or saved.
    std::string BaseScheduleFile;
    // The schedule of CurrentSession; null while none is selected or it has no schedule.
    TZitSchemaObj* CurrentSchedule() { return ScheduleOfSession(CurrentSession); }
    const TZitSchemaObj* CurrentSchedule() const { return ScheduleOfSession(CurrentSession); }
    TZitSchemaObj* ScheduleOfSession(int session) {
        return HasSchedule(session) ? &SessionScheduleList[static_cast<std::size_t>(session - 1)] : nullptr;
    }
    const TZitSchemaObj* ScheduleOfSession(int session) const {
        return HasSchedule(session) ? &SessionScheduleList[static_cast<std::size_t>(session - 1)] : nullptr;
    }
    bool HasSchedule(int session) const {
        return session >= 1 && session <= static_cast<int>(SessionScheduleList.size());
    }

    // The scores and slams of every session (item z - 1 is session z), as in ".sco" and ".slm".
    std::vector<TZitScoreObj> SessionScoreList;
    std::vector<TZitSlemObj> SessionSlamList;

    int CompetitionNumber = 0;
    std::string ClubFileName = "N_N";
    std::string ClubFilePath;
    std::string ScheduleFilePath; // ".sma"
    std::string ScoreFilePath;    // ".sco"
    std::string SlamFilePath;     // ".slm"
    int SeasonYear = 0;
    // Today as dd-mm-yyyy, taken when the program starts.
    std::string TodayText;

    // 1-based index into SessionList; 0 while no session is selected.
    int CurrentSession = 0;
    // Working copy of the selected session's record (its rows stay in SessionList).
    TZitCalcObj SessionHead;

    velk::ErrorCode ErrorCode;

    // The schedule, score and slam lists keep one entry per session and live in files beside the
    // competition file; they follow the sessions and the file through this interface.
    struct SessionCompanions {
        virtual ~SessionCompanions() = default;
        virtual void sessionCreated(Club&, int session) = 0;
        virtual void sessionRemoved(Club&, int session) = 0;
        virtual void sessionSelected(Club&, int session) = 0;
        // The session record was written from SessionHead (its boards or rounds may have changed).
        virtual void sessionStored(Club&, int /*session*/) {}
        // After a competition file was read: load the companion files of the same base name.
        virtual void fileOpened(Club&) {}
        // The lists are gone with the file.
        virtual void fileClosed(Club&) {}
        // Writes the lists under the base name of `competitionPath`; returns the missing ones as
        // bits: 1 schedules, 2 scores, 4 slams.
        virtual int saveUnder(Club&, const std::string& /*competitionPath*/) { return 0; }
    };
    SessionCompanions* Companions = nullptr;
};

} // namespace velk
