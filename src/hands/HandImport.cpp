#include "hands/HandImport.h"

#include "core/FileBytes.h"
#include "core/files/DlmFile.h"
#include "core/files/DupFile.h"
#include "hands/HandRecordFile.h"
#include "hands/PbnHandRecord.h"

#include <filesystem>

namespace velk {

bool ReadDealFile(const std::string& path, std::vector<NumberedDeal>& boards, std::string& problem) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (extension != ".pbn" && extension != ".dup" && extension != ".dlm") {
        problem = path + ": onbekend soort bestand (alleen .pbn, .dup of .dlm)";
        return false;
    }
    const FileBytes file = ReadFileBytes(path, kMaxHandRecordBytes);
    if (!file.ok()) {
        problem = path + (file.status == FileReadStatus::Missing    ? ": bestand niet gevonden"
                          : file.status == FileReadStatus::TooLarge ? ": het bestand is te groot"
                                                                    : ": het bestand is onleesbaar");
        return false;
    }
    bool ok = false;
    if (extension == ".dup") {
        ok = ParseDupFile(file.bytes, boards, problem);
    } else if (extension == ".dlm") {
        ok = ParseDlmFile(file.bytes, boards, problem);
    } else {
        HandRecord record;
        const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
        ok = ParsePbnHandRecord(text, false, record, problem);
        if (ok && record.boards.empty()) {
            problem = "het bestand bevat geen spellen";
            ok = false;
        }
        boards.clear();
        if (ok)
            for (const HandBoard& b : record.boards)
                boards.push_back({b.board, b.deal});
    }
    if (!ok)
        problem = path + ": " + problem;
    return ok;
}

} // namespace velk
