#include "reports/SessionPositions.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"

#include <algorithm>
#include <cstdio>

namespace velk {

namespace {

TZitCalcObj RecordOf(const Club& club, int session) {
    if (session == club.CurrentSession)
        return club.SessionHead;
    if (session >= 1 && session <= club.SessionCount())
        return club.SessionList[static_cast<std::size_t>(session - 1)];
    return {};
}

} // namespace

SessionPositions::SessionPositions(const Club& club, int session)
    : club_(club), session_(session), record_(RecordOf(club, session)),
      schedule_(club.ScheduleOfSession(session)) {}

int SessionPositions::groupOf(int pair) const {
    return club_.PairsPerGroup > 0 ? (pair - 1) / club_.PairsPerGroup + 1 : 1;
}

int SessionPositions::numberInGroup(int pair) const {
    return club_.PairsPerGroup > 0 ? (pair - 1) % club_.PairsPerGroup + 1 : pair;
}

int SessionPositions::groupTables(int group) const {
    if (group < 1 || group > 16)
        return 0;
    return std::clamp<int>(record_.GroupTables[static_cast<std::size_t>(group - 1)], 0, club_.TablesPerGroup);
}

bool SessionPositions::plays(int pair) const {
    const int group = groupOf(pair);
    if (pair < 1 || group < 1 || group > std::min<int>(club_.CompetitionHead.GroupCount, 16))
        return false;
    if (club_.CompetitionHead.CalcMethod & 1)
        return true;
    return numberInGroup(pair) <= record_.GroupPairs[static_cast<std::size_t>(group - 1)];
}

bool SessionPositions::reaches(int group, int round) const {
    if (schedule_ == nullptr || group < 1 || round < 1 || round > record_.RoundCount)
        return false;
    const long long base =
        (static_cast<long long>(group - 1) * record_.RoundCount + (round - 1)) * club_.TablesPerGroup;
    return base + club_.TablesPerGroup < static_cast<long long>(schedule_->itemCount());
}

std::optional<ListEntry> SessionPositions::entry(int group, int round, int table) const {
    if (!reaches(group, round) || table < 1 || table > club_.TablesPerGroup)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(
        ((group - 1) * record_.RoundCount + (round - 1)) * club_.TablesPerGroup + table);
    if (individual()) {
        if (index >= schedule_->PlayerEntries.size())
            return std::nullopt;
        const TSchemaObj1& e = schedule_->PlayerEntries[index];
        return ListEntry{e.Table, e.Letter, {e.N, e.Z, e.O, e.W}};
    }
    if (index >= schedule_->Entries.size())
        return std::nullopt;
    const TSchemaObj& e = schedule_->Entries[index];
    return ListEntry{e.Table, e.Letter, {e.NS, e.EW, 0, 0}};
}

std::optional<ListPosition> SessionPositions::find(int pair, int round) const {
    const int group = groupOf(pair);
    if (!reaches(group, round))
        return std::nullopt;
    for (int t = 1; t <= groupTables(group); ++t) {
        const std::optional<ListEntry> e = entry(group, round, t);
        if (!e)
            break;
        const int seatCount = individual() ? 4 : 2;
        for (int s = 0; s < seatCount; ++s) {
            if (e->seats[static_cast<std::size_t>(s)] != pair)
                continue;
            if (!individual())
                return ListPosition{
                    true, e->table, s == 0, e->letter, e->seats[1 - static_cast<std::size_t>(s)], 0, 0};
            // North's partner is South, East's is West; the other two are the opponents.
            const auto other = static_cast<std::size_t>(s < 2 ? 2 : 0);
            return ListPosition{true,
                                e->table,
                                s < 2,
                                e->letter,
                                e->seats[static_cast<std::size_t>(s ^ 1)],
                                e->seats[other],
                                e->seats[other + 1]};
        }
    }
    return ListPosition{};
}

std::string SessionPositions::boardsText(std::uint8_t letter) const {
    if (letter < 'A' || letter > 'Z')
        return "XX-XX";
    const int k = letter - 'A' + 1;
    const int first = (k - 1) * record_.BoardsPerRound + record_.FirstBoardNumber;
    const int last = first + record_.BoardsPerRound - 1;
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", first, last);
    return text;
}

std::string SessionPositions::tableText(int table) const {
    std::string label;
    if (table >= 1 && static_cast<std::size_t>(table) < club_.TableLabelList.size())
        label = club_.TableLabelList[static_cast<std::size_t>(table)].Label.get();
    if (label.empty())
        label = std::to_string(table);
    return PadLeft(label, 3);
}

std::string SessionPositions::pairLabel(int pair) const {
    if (pair < 1)
        return {};
    const std::string number = std::to_string(numberInGroup(pair));
    return club_.CompetitionHead.GroupCount > 1 ? std::string(1, GroupLetter(groupOf(pair))) + number
                                                : number;
}

std::string SessionPositions::pairName(int pair) const {
    if (pair < 1 || static_cast<std::size_t>(pair) >= club_.PairList.size())
        return {};
    return club_.PairList[static_cast<std::size_t>(pair)].Naam.get();
}

std::string SessionPositions::baseScheduleName(int group) const {
    if (schedule_ == nullptr || group < 1 || group > 16)
        return {};
    return schedule_->BaseScheduleNames[static_cast<std::size_t>(group - 1)].get();
}

void ReportScheduleMissing(Club& club, Dialogs& dialogs) {
    ShowError(dialogs, club.ErrorCode, club.ScheduleFilePath, ErrorMessage::NoScheduleAvailable);
}

} // namespace velk
