#include "core/files/RenumberFile.h"

#include "core/ByteCodec.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/BaseScheduleFile.h"
#include "core/files/ScheduleFileIo.h"

#include <cstdio>

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
        ShowError(dialogs, errorCode, path, ErrorMessage::FileMissing);
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

} // namespace velk
