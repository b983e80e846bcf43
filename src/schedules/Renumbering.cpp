#include "schedules/Renumbering.h"

#include "core/ByteCodec.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "schedules/BaseScheduleFile.h"
#include "schedules/ScheduleFileIo.h"

#include <cstdio>
#include <set>

namespace velk {

namespace {

TReNumOBj ReadRow(ByteReader& in) {
    TReNumOBj row;
    for (auto& v : row.Pairs)
        v = in.i16();
    return row;
}

std::string Printf(const char* format, int a, int b) {
    char buffer[120];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

} // namespace

std::optional<std::vector<TReNumOBj>> ParseRenumberFile(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    if (in.remaining() < TReNumOBj::Size)
        return std::nullopt;
    std::vector<TReNumOBj> list{ReadRow(in)};
    const int sessions = list[0].Pairs[0];
    if (sessions < 0 || static_cast<std::size_t>(sessions) * TReNumOBj::Size > in.remaining())
        return std::nullopt;
    for (int z = 1; z <= sessions; ++z)
        list.push_back(ReadRow(in));
    return list;
}

std::vector<std::uint8_t> SerializeRenumberFile(const std::vector<TReNumOBj>& list) {
    ByteWriter out;
    for (const auto& row : list)
        for (auto v : row.Pairs)
            out.i16(v);
    return out.take();
}

std::optional<std::vector<TReNumOBj>> ReadRenumberFile(const std::string& path, int sessionsPerCompetition,
                                                       int pairs, int groupPairs, Dialogs& dialogs,
                                                       ErrorCode& errorCode) {
    if (!ScheduleFileExists(path)) {
        ShowError(dialogs, errorCode, path, 7);
        return std::nullopt;
    }
    const auto bytes = ReadScheduleFileBytes(path);
    auto list = bytes ? ParseRenumberFile(*bytes) : std::nullopt;
    if (!list) {
        dialogs.error(kScheduleListIncorrect);
        errorCode.report(FileError::ScheduleList);
        return std::nullopt;
    }
    const int fileSessions = (*list)[0].Pairs[0];
    const int filePairs = (*list)[0].Pairs[1];
    int code = 0;
    if (fileSessions > sessionsPerCompetition)
        code |= 1;
    if (filePairs != pairs)
        code |= 2;
    if (code != 0) {
        const char* wrong = code == 1 ? "Zittingen " : code == 2 ? "Paren " : "Zittingen Paren ";
        dialogs.error(std::string("VernummerTabel niet Correct :\rOngeldig aantal: ") + wrong + "\r" +
                      "Met Aantal:Zittingen  Paren " + "\r" +
                      Printf("Ingevoerd:     %6d    %6d   ", fileSessions, filePairs) + "\r" +
                      Printf("Moetzijn :     %6d    %6d   ", sessionsPerCompetition, groupPairs));
        if (code == 1)
            dialogs.information("Kies juiste aantal zittingen in Zitting menu");
        else if (code == 2)
            dialogs.information("Kies juiste aantal paren in Zitting menu ");
    }
    const int checked = pairs < TReNumOBj::MaxPairs ? pairs : TReNumOBj::MaxPairs;
    for (std::size_t z = 1; z < list->size(); ++z)
        for (int p = 1; p <= checked; ++p)
            if ((*list)[z].Pairs[static_cast<std::size_t>(p - 1)] == 0) {
                dialogs.error("Gelezen tabel foutief\rZitting: " + std::to_string(z) +
                              " Paar=0: " + std::to_string(p));
                return list;
            }
    return list;
}

bool WriteRenumberFile(const std::string& path, const std::vector<TReNumOBj>& list) {
    const auto bytes = SerializeRenumberFile(list);
    return SaveFileAtomically(path, bytes, {});
}

std::optional<std::vector<TReNumOBj>> BuildRenumberList(const std::vector<std::vector<int>>& gridRows,
                                                        int sessions, int pairs, Dialogs& dialogs) {
    std::vector<TReNumOBj> list(1);
    list[0].Pairs[0] = static_cast<std::int16_t>(sessions);
    list[0].Pairs[1] = static_cast<std::int16_t>(pairs);
    bool repeated = false;
    for (int z = 1; z <= sessions; ++z) {
        TReNumOBj row;
        std::set<int> seen;
        bool rowRepeats = false;
        if (static_cast<std::size_t>(z - 1) < gridRows.size()) {
            const auto& cells = gridRows[static_cast<std::size_t>(z - 1)];
            for (std::size_t p = 0; p < cells.size() && p < row.Pairs.size(); ++p) {
                const int pair = cells[p];
                if (pair != 0 && !seen.insert(pair).second && !rowRepeats) {
                    dialogs.error("Paar: " + std::to_string(pair) + " komt vaker voor");
                    rowRepeats = true;
                }
                row.Pairs[p] = static_cast<std::int16_t>(pair);
            }
        }
        repeated = repeated || rowRepeats;
        if (!rowRepeats)
            list.push_back(row);
    }
    if (repeated)
        return std::nullopt;
    return list;
}

namespace {
std::int16_t Renumbered(const TReNumOBj& row, int pair) {
    if (pair < 1 || pair > TReNumOBj::MaxPairs)
        return 0;
    return row.Pairs[static_cast<std::size_t>(pair - 1)];
}
} // namespace

WorkSchedule RenumberSchedule(const TZitSchemaObj& source, const std::vector<TReNumOBj>& list, int session,
                              const ScheduleCounts& counts, Dialogs& dialogs) {
    WorkSchedule result = WorkSchedule::Empty(counts);
    if (session < 1 || static_cast<std::size_t>(session) >= list.size())
        return result;
    const TReNumOBj& row = list[static_cast<std::size_t>(session)];
    for (int r = 1; r <= counts.Rounds; ++r)
        for (int t = 1; t <= counts.Tables; ++t) {
            const std::size_t position = static_cast<std::size_t>(t + counts.Tables * (r - 1));
            if (position >= source.Entries.size()) {
                dialogs.error("Schema niet correct voor Ronde " + std::to_string(r));
                break;
            }
            const TSchemaObj& from = source.Entries[position];
            TWSObj& to = result.at(r, t);
            to.NS = Renumbered(row, from.NS);
            to.EW = Renumbered(row, from.EW);
            to.Letter = from.Letter;
        }
    return result;
}

bool RenumberingPossible(const Club& club, Dialogs& dialogs) {
    if (club.CompetitionHead.SessionsPerCompetition < 2) {
        dialogs.error("Voor één zitting geen vernummeren nogelijk");
        return false;
    }
    return true;
}

bool HasBaseScheduleToRenumber(const Club& club, Dialogs& dialogs) {
    const TZitSchemaObj* schedule = club.CurrentSchedule();
    if (schedule == nullptr || schedule->BaseScheduleNames[0].get().empty()) {
        dialogs.error("U heeft nog geen Basis schema gelezen");
        return false;
    }
    return true;
}

} // namespace velk
