#include "club/SessionSchedules.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/DamagedFile.h"
#include "core/files/ScheduleFileIo.h"
#include "core/files/SessionScheduleFile.h"
#include "core/records/PairRecord.h"

#include <algorithm>
#include <string>
#include <utility>

namespace velk {

int StrideTablesPerGroup(const Club& club) {
    const int groups = club.CompetitionHead.GroupCount;
    return groups > 0 ? club.CompetitionHead.TableCount / groups : 0;
}

bool BuildTableLabels(Club& club, Dialogs& dialogs) {
    const int tableCount = club.CompetitionHead.TableCount;
    const int groups = club.CompetitionHead.GroupCount;
    const int stride = StrideTablesPerGroup(club);
    for (int g = 1; g <= groups && g <= 16; ++g) {
        if (club.SessionHead.GroupTables[static_cast<std::size_t>(g - 1)] > stride) {
            dialogs.error("Totaal aantal tafels komt niet overeen met Clubdata: " +
                          std::to_string(tableCount));
            return false;
        }
    }
    std::vector<TTafelObj> labels(1);
    for (int n = 1; n <= tableCount; ++n) {
        TTafelObj label;
        label.TableNr = static_cast<std::int16_t>(n);
        const int group = stride > 0 ? (n - 1) / stride + 1 : 0;
        // Tables left over when TableCount is not a multiple of the groups belong to no group.
        if (group >= 1 && group <= groups)
            label.Label.set(std::string(1, GroupLetter(group)) + std::to_string((n - 1) % stride + 1));
        labels.push_back(label);
    }
    club.TableLabelList = std::move(labels);
    return true;
}

namespace {

int RoundsOfSession(const Club& club, int session) {
    int rounds = 0;
    if (session == club.CurrentSession)
        rounds = club.SessionHead.RoundCount;
    else if (session >= 1 && session <= club.SessionCount())
        rounds = club.SessionList[static_cast<std::size_t>(session - 1)].RoundCount;
    return rounds > 0 ? rounds : 0;
}

template <typename Entry>
void FillEmptyEntries(std::vector<Entry>& entries, int groups, int rounds, int stride) {
    for (int g = 1; g <= groups; ++g)
        for (int r = 1; r <= rounds; ++r)
            for (int t = 1; t <= stride; ++t) {
                Entry e;
                e.Table = static_cast<std::int16_t>((g - 1) * stride + t);
                entries.push_back(e);
            }
}

} // namespace

TZitSchemaObj MakeEmptySessionSchedule(Club& club, int session, Dialogs& dialogs) {
    const auto& head = club.CompetitionHead;
    club.TablesPerGroup = StrideTablesPerGroup(club);
    if (head.GroupCount > 0 && head.TableCount % head.GroupCount != 0)
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::GroupsNotDivisorOfTables);

    const int rounds = RoundsOfSession(club, session);
    const int groups = head.GroupCount > 0 ? head.GroupCount : 0;
    TZitSchemaObj schedule;
    schedule.Form = club.IsIndividual ? ScheduleForm::Individual : ScheduleForm::Pairs;
    schedule.PairCount = head.PairCount;
    schedule.GroupCount = head.GroupCount;
    schedule.SessionNr = static_cast<std::int16_t>(session);
    schedule.RoundCount = static_cast<std::int16_t>(rounds);
    schedule.Valid = 1;
    if (club.IsIndividual) {
        TSchemaObj1 header;
        header.Table = schedule.SessionNr;
        header.N = schedule.RoundCount;
        header.O = schedule.GroupCount;
        schedule.PlayerEntries.push_back(header);
        FillEmptyEntries(schedule.PlayerEntries, groups, rounds, club.TablesPerGroup);
    } else {
        TSchemaObj header;
        header.Table = schedule.SessionNr;
        header.NS = schedule.RoundCount;
        header.EW = schedule.GroupCount;
        schedule.Entries.push_back(header);
        FillEmptyEntries(schedule.Entries, groups, rounds, club.TablesPerGroup);
    }
    if (schedule.itemCount() < 2)
        dialogs.error(" Schemalist zonder Items, Zitting foutief ");
    return schedule;
}

void NewSessionSchedule(Club& club, int session, Dialogs& dialogs) {
    club.SessionScheduleList.push_back(MakeEmptySessionSchedule(club, session, dialogs));
}

std::string SessionScheduleFilePath(const std::string& competitionPath) {
    const std::string lower = ChangeFileExt(competitionPath, ".sma");
    const std::string upper = ChangeFileExt(competitionPath, ".SMA");
    if (!ScheduleFileExists(lower) && ScheduleFileExists(upper))
        return upper;
    return lower;
}

namespace {

std::vector<TZitSchemaObj> EmptySchedules(Club& club, Dialogs& dialogs) {
    std::vector<TZitSchemaObj> list;
    for (int z = 1; z <= club.SessionCount(); ++z)
        list.push_back(MakeEmptySessionSchedule(club, z, dialogs));
    return list;
}

} // namespace

bool LoadSessionSchedules(Club& club, const std::string& competitionPath, Dialogs& dialogs,
                          std::set<std::string>* unsafeToOverwrite, ScheduleFileWrites writes) {
    club.ScheduleListOfSession = 0;
    const bool mayWrite = writes == ScheduleFileWrites::Allowed;
    const std::string path = SessionScheduleFilePath(competitionPath);
    if (!ScheduleFileExists(path)) {
        if (club.ClubFileName == "N_N") {
            ShowError(dialogs, club.ErrorCode, club.ClubFileName, ErrorMessage::PairFileIncorrect);
            return false;
        }
        BuildTableLabels(club, dialogs);
        club.SessionScheduleList = EmptySchedules(club, dialogs);
        club.ScheduleFilePath = path;
        return !mayWrite || SaveSessionSchedules(club, path, dialogs);
    }

    const auto bytes = ReadScheduleFileBytes(path);
    ParsedSessionSchedules parsed;
    if (bytes)
        parsed = ParseSessionScheduleFile(*bytes, club.CompetitionHead.TableCount, club.SessionCount(),
                                          club.IsIndividual);
    club.ScheduleFilePath = path;
    // A damaged file keeps its bytes aside before anything is written; without a copy it is never
    // written over.
    const auto keepDamaged = [&] {
        if (mayWrite && SetAsideAndReport(path, dialogs))
            return true;
        if (unsafeToOverwrite)
            unsafeToOverwrite->insert(path);
        return false;
    };
    if (!parsed.LabelsRead) {
        // Nothing of the file is usable.
        ShowFileError(dialogs, club.ErrorCode, path, bytes ? FileError::ScheduleList : FileError::ReadFailed,
                      Hint::CheckSchedules);
        keepDamaged();
        BuildTableLabels(club, dialogs);
        club.SessionScheduleList = EmptySchedules(club, dialogs);
        return false;
    }

    for (int z : parsed.RejectedHeads)
        dialogs.error(" SchemaRecord niet correct zitting: " + std::to_string(z) + "\r Lees nieuwschema");
    if (parsed.ShortFromSession > 0)
        ShowError(dialogs, club.ErrorCode,
                  "Record-index buiten bereik :" + std::to_string(parsed.ShortFromSession),
                  ErrorMessage::DataFileFault);

    const bool damaged = !parsed.RejectedHeads.empty() || parsed.ShortFromSession > 0;
    const bool mayRewrite = (!damaged || keepDamaged()) && mayWrite;

    std::vector<TZitSchemaObj> list;
    for (int z = 1; z <= club.SessionCount(); ++z) {
        auto& read = parsed.Sessions[static_cast<std::size_t>(z - 1)];
        list.push_back(read ? std::move(*read) : MakeEmptySessionSchedule(club, z, dialogs));
    }
    club.TableLabelList = std::move(parsed.TableLabels);
    club.SessionScheduleList = std::move(list);
    club.TablesPerGroup = StrideTablesPerGroup(club);
    if (!parsed.RejectedHeads.empty()) {
        BuildTableLabels(club, dialogs);
        return mayRewrite && SaveSessionSchedules(club, path, dialogs);
    }
    // Sessions added after the file was last written get their empty schedules on file too.
    if (parsed.MissingFromSession > 0 && mayRewrite)
        return SaveSessionSchedules(club, path, dialogs);
    return parsed.ShortFromSession == 0;
}

bool LoadScheduleOfSession(Club& club, const std::string& competitionPath, int session, Dialogs& dialogs,
                           std::set<std::string>* unsafeToOverwrite, ScheduleFileWrites writes) {
    const std::string path = SessionScheduleFilePath(competitionPath);
    const int sessionCount = club.SessionCount();
    auto parsed = session >= 1 && session <= sessionCount && ScheduleFileExists(path)
                      ? ReadSessionScheduleFile(path, club.CompetitionHead.TableCount, sessionCount,
                                                club.IsIndividual, session)
                      : std::nullopt;
    const bool clean = parsed && parsed->LabelsRead && parsed->RejectedHeads.empty() &&
                       parsed->ShortFromSession == 0 && parsed->MissingFromSession == 0 &&
                       std::all_of(parsed->Sessions.begin(), parsed->Sessions.end(),
                                   [](const auto& read) { return read.has_value(); });
    if (clean) {
        club.ScheduleFilePath = path;
        club.SessionScheduleList.clear();
        club.SessionScheduleList.reserve(static_cast<std::size_t>(sessionCount));
        for (auto& read : parsed->Sessions)
            club.SessionScheduleList.push_back(std::move(*read));
        club.TableLabelList = std::move(parsed->TableLabels);
        club.TablesPerGroup = StrideTablesPerGroup(club);
        club.ScheduleListOfSession = session;
        return true;
    }
    // Anything out of the ordinary is read, reported and mended as with every session.
    return LoadSessionSchedules(club, competitionPath, dialogs, unsafeToOverwrite, writes);
}

bool SaveSessionSchedules(Club& club, const std::string& path, Dialogs& dialogs) {
    const int tableCount = club.CompetitionHead.TableCount;
    if (club.ScheduleListOfSession != 0) {
        ShowFileError(dialogs, club.ErrorCode,
                      path + "\ralleen zitting " + std::to_string(club.ScheduleListOfSession) + " gelezen",
                      FileError::WriteFailed, Hint::CheckSchedules);
        return false;
    }
    if (tableCount < 0 || club.TableLabelList.size() != static_cast<std::size_t>(tableCount) + 1) {
        // The old file is kept rather than left half-written.
        ShowFileError(dialogs, club.ErrorCode, " Tafellist niet correct \r", FileError::WriteFailed,
                      Hint::CheckSchedules);
        return false;
    }
    const auto bytes = SerializeSessionSchedules(club.TableLabelList, club.SessionScheduleList, tableCount);
    if (!SaveFileAtomically(path, bytes, ".~sm")) {
        ShowFileError(dialogs, club.ErrorCode, path, FileError::WriteFailed, Hint::CheckSchedules);
        return false;
    }
    return true;
}

} // namespace velk
