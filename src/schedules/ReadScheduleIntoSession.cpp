#include "schedules/ReadScheduleIntoSession.h"

#include "club/SessionSchedules.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/BaseScheduleFile.h"
#include "core/files/ScheduleFileIo.h"
#include "core/records/PairRecord.h"

#include <array>
#include <cstdio>

namespace velk {

const char* const kScheduleSelectionCancelled = "Schema selecteren afgébroken";

namespace {

std::string Printf(const char* format, int a, int b, int c, int d, int e) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, a, b, c, d, e);
    return buffer;
}

int GroupValue(const std::array<std::int16_t, 16>& values, int group) {
    return group >= 1 && group <= 16 ? values[static_cast<std::size_t>(group - 1)] : 0;
}

} // namespace

GroupScheduleCounts ExpectedCounts(const Club& club, int group, int scoreBoardCount) {
    const TZitCalcObj& s = club.SessionHead;
    GroupScheduleCounts c;
    c.Expected = {GroupValue(s.GroupPairs, group), GroupValue(s.GroupTables, group), s.RoundCount,
                  s.BoardGroupCount};
    c.SessionBoards = s.BoardCount;
    // A fresh score block holds 0: there is nothing yet to disagree with.
    c.ScoreBoards = scoreBoardCount > 0 ? scoreBoardCount : s.BoardCount;
    return c;
}

int BaseScheduleMismatch(const ScheduleCounts& file, const GroupScheduleCounts& expected) {
    int code = 0;
    if (file.Rounds != expected.Expected.Rounds)
        code |= Mismatch::Rounds;
    if (file.Pairs != expected.Expected.Pairs)
        code |= Mismatch::Pairs;
    if (file.Tables != expected.Expected.Tables)
        code |= Mismatch::Tables;
    if (file.BoardGroups != expected.Expected.BoardGroups)
        code |= Mismatch::BoardGroups;
    if (expected.SessionBoards != expected.ScoreBoards)
        code |= Mismatch::Boards;
    return code;
}

std::string MismatchMessage(int code, const ScheduleCounts& file, const GroupScheduleCounts& expected,
                            bool individual) {
    static const std::array<const char*, 16> kWrongCounts = {
        "",
        "ronden",
        "paren",
        "ronden & paren",
        "tafels",
        "ronden & tafels",
        "paren & tafels",
        "ronden, paren, tafels",
        "spelgroepen",
        "ronden, spelgroepen",
        "paren, spelgroepen",
        "ronden,paren,spelgroepen",
        "tafels, spelgroepen",
        "ronden,tafels,spelgroepen",
        "paren..spelgroepen",
        "ronden..spelgroepen",
    };
    std::string wrong = kWrongCounts[static_cast<std::size_t>(code & 15)];
    if (code & Mismatch::Boards)
        wrong += wrong.empty() ? "spellen" : ", spellen";
    const auto& e = expected.Expected;
    std::string text = "Schema niet Correct :\rOngeldig aantal: " + wrong + "\r";
    if (individual) {
        text += "Met Aantallen:Rondes Paren tafels Spelgrp Spellen\r";
        text += Printf("Gelezen :      %6d    %6d      %6d  %6d     %6d", file.Rounds, file.Pairs,
                       file.Tables, file.BoardGroups, expected.SessionBoards);
        text += "\r";
        text += Printf("Gekozen :     %6d    %6d      %6d  %6d     %6d ", e.Rounds, e.Pairs, e.Tables,
                       e.BoardGroups, expected.ScoreBoards);
    } else {
        text += "Met Aantallen:Rondes Paren Tafels Spelgrp Spellen\r";
        text += Printf("Ingevoerd:      %6d    %6d      %6d  %6d     %6d", file.Rounds, file.Pairs,
                       file.Tables, file.BoardGroups, expected.SessionBoards);
        text += "\r";
        text += Printf("Moet Zijn:      %6d    %6d      %6d  %6d     %6d ", e.Rounds, e.Pairs, e.Tables,
                       e.BoardGroups, expected.ScoreBoards);
    }
    return text;
}

std::string MismatchAdvice(int code, bool individual) {
    switch (code) {
    case Mismatch::Rounds:
        return "Kies juiste aantal ronden in Zitting menu";
    case Mismatch::Pairs:
        return individual ? "Kies juiste aantal spelers in Zitting menu "
                          : "Kies juiste aantal paren in Zitting menu ";
    case Mismatch::Tables:
        return "Kies juiste aantal tafels in Zitting menu";
    case Mismatch::BoardGroups:
        return "Kies juiste aantal spelgroepen in Zitting menu";
    case Mismatch::Boards:
        return "Kies juiste aantal spellen in Zitting menu";
    default:
        return {};
    }
}

namespace {

std::int16_t Shift(std::int16_t pair, int offset) {
    return pair == 0 ? 0 : static_cast<std::int16_t>(pair + offset);
}

bool IsOccupied(const TSchemaObj& e) {
    return e.NS != 0 || e.EW != 0 || e.Letter != kBlankLetter;
}
bool IsOccupied(const TSchemaObj1& e) {
    return e.N != 0 || e.Z != 0 || e.O != 0 || e.W != 0 || e.Letter != kBlankLetter;
}

std::uint8_t StoredLetter(std::uint8_t letter) {
    return letter == 0 ? kBlankLetter : letter;
}

void Store(TSchemaObj& target, TWSObj source, int tableBase, int pairOffset) {
    ClearSelfMeetings(source);
    target.Table = static_cast<std::int16_t>(tableBase + source.Table);
    target.NS = Shift(source.NS, pairOffset);
    target.EW = Shift(source.EW, pairOffset);
    target.Letter = StoredLetter(source.Letter);
}

void Store(TSchemaObj1& target, TWSObj1 source, int tableBase, int pairOffset) {
    ClearSelfMeetings(source);
    target.Table = static_cast<std::int16_t>(tableBase + source.Table);
    target.N = Shift(source.N, pairOffset);
    target.Z = Shift(source.Z, pairOffset);
    target.O = Shift(source.O, pairOffset);
    target.W = Shift(source.W, pairOffset);
    target.Letter = StoredLetter(source.Letter);
}

std::vector<TSchemaObj>& EntriesOf(TZitSchemaObj& s, const WorkSchedule&) {
    return s.Entries;
}
std::vector<TSchemaObj1>& EntriesOf(TZitSchemaObj& s, const WorkSchedule1&) {
    return s.PlayerEntries;
}

template <typename Base>
bool ReadIntoSession(Club& club, int group, const Base& base, int scoreBoardCount, Dialogs& dialogs) {
    constexpr bool individual = Base::Individual;
    const std::string letter(1, GroupLetter(group));
    TZitSchemaObj* schedule = club.CurrentSchedule();
    if (schedule == nullptr) {
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::NoSessionOpen);
        return false;
    }
    if (schedule->PairCount == 0) {
        dialogs.error(std::string(individual ? " Aantal Spelers = 0" : " Aantal Paren = 0") +
                      " groep: " + letter);
        return false;
    }
    const ScheduleCounts file = base.counts();
    const GroupScheduleCounts expected = ExpectedCounts(club, group, scoreBoardCount);
    if (const int code = BaseScheduleMismatch(file, expected); code != 0) {
        dialogs.error(MismatchMessage(code, file, expected, individual));
        if (const std::string advice = MismatchAdvice(code, individual); !advice.empty())
            dialogs.information(advice);
        return false;
    }

    const int rounds = club.SessionHead.RoundCount;
    const int stride = club.TablesPerGroup;
    const int tables = expected.Expected.Tables;
    // A group with more tables than slots cannot be stored without running into the next group.
    if (tables > stride) {
        ShowError(dialogs, club.ErrorCode, letter, ErrorMessage::TooManyTablesPerGroup);
        return false;
    }
    auto& entries = EntriesOf(*schedule, base);
    const auto position = [&](int r, int t) {
        return static_cast<std::size_t>(((group - 1) * rounds + (r - 1)) * stride + t);
    };
    if (!base.isComplete() || schedule->RoundCount != rounds || position(rounds, stride) >= entries.size()) {
        dialogs.error(kScheduleListIncorrect);
        return false;
    }
    if (tables >= 1 && IsOccupied(entries[position(1, 1)]) &&
        !dialogs.askYesNo("Al aanwezige schema overschrijven ?"))
        return false;
    const int tableBase = stride * (group - 1);
    const int pairOffset = club.PairsPerGroup * (group - 1);
    for (int r = 1; r <= rounds; ++r)
        for (int t = 1; t <= tables; ++t)
            Store(entries[position(r, t)], base.at(r, t), tableBase, pairOffset);
    return true;
}

template <typename Base>
bool ReadIntoGroups(Club& club, int first, int last, const Base& base, const std::string& name,
                    int scoreBoardCount, Dialogs& dialogs) {
    bool changed = false;
    for (int g = first; g <= last; ++g) {
        if (!ReadIntoSession(club, g, base, scoreBoardCount, dialogs))
            continue;
        // Only a group that really got the schedule records its name.
        club.CurrentSchedule()->BaseScheduleNames[static_cast<std::size_t>(g - 1)].set(name);
        changed = true;
    }
    return changed;
}

} // namespace

bool ReadBaseScheduleIntoSession(Club& club, int group, const WorkSchedule& base, int scoreBoardCount,
                                 Dialogs& dialogs) {
    return ReadIntoSession(club, group, base, scoreBoardCount, dialogs);
}

bool ReadBaseScheduleIntoSession(Club& club, int group, const WorkSchedule1& base, int scoreBoardCount,
                                 Dialogs& dialogs) {
    return ReadIntoSession(club, group, base, scoreBoardCount, dialogs);
}

bool ReadScheduleIntoGroups(Club& club, int firstGroup, int lastGroup, const std::string& basePath,
                            int scoreBoardCount, Dialogs& dialogs) {
    if (club.ClubFileName == "N_N") {
        ShowError(dialogs, club.ErrorCode, "Schema lezen", ErrorMessage::SaveFirstThenAgain);
        return false;
    }
    if (club.CurrentSchedule() == nullptr) {
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::NoSessionOpen);
        return false;
    }
    const int groups = club.CompetitionHead.GroupCount;
    if (firstGroup < 1 || lastGroup > groups || firstGroup > lastGroup || lastGroup > 16) {
        ShowError(dialogs, club.ErrorCode, std::string(1, GroupLetter(firstGroup < 1 ? 0 : lastGroup)),
                  ErrorMessage::GroupMissing);
        return false;
    }
    const std::string name = FileNameOf(basePath);
    dialogs.information("Bridge Schema bestand\rLees Schema, Openen van\r" + name);
    if (!ScheduleFileExists(basePath)) {
        ShowError(dialogs, club.ErrorCode, basePath, ErrorMessage::FileMissing);
        return false;
    }
    const auto bytes = ReadScheduleFileBytes(basePath);
    bool changed = false;
    if (club.IsIndividual) {
        const auto base = bytes ? ParseBaseSchedule1(*bytes) : std::nullopt;
        if (!base) {
            dialogs.error(kScheduleListIncorrect);
            return false;
        }
        changed = ReadIntoGroups(club, firstGroup, lastGroup, *base, name, scoreBoardCount, dialogs);
    } else {
        const auto base = bytes ? ParseBaseSchedule(*bytes) : std::nullopt;
        if (!base) {
            dialogs.error(kScheduleListIncorrect);
            return false;
        }
        changed = ReadIntoGroups(club, firstGroup, lastGroup, *base, name, scoreBoardCount, dialogs);
    }
    if (!changed)
        return false;
    club.BaseScheduleFile = basePath;
    if (club.ScheduleFilePath.empty())
        club.ScheduleFilePath = SessionScheduleFilePath(club.ClubFilePath);
    return SaveSessionSchedules(club, club.ScheduleFilePath, dialogs);
}

std::string ProposedBaseScheduleName(const Club& club, int firstGroup) {
    return std::to_string(club.SessionHead.RoundCount) + "*" +
           std::to_string(GroupValue(club.SessionHead.GroupPairs, firstGroup)) + "*.*";
}

} // namespace velk
