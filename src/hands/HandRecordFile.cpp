#include "hands/HandRecordFile.h"

#include "core/FileBytes.h"
#include "core/PathText.h"
#include "core/SafeSave.h"
#include "hands/PbnHandRecord.h"

#include <span>

namespace velk {

std::string HandRecordPath(const std::string& competitionPath, int session) {
    return ChangeFileExt(competitionPath, "") + "_hands" + std::to_string(session) + ".pbn";
}

HandRecordRead ReadHandRecord(const std::string& path, HandRecord& record, std::string& problem) {
    const FileBytes file = ReadFileBytes(path, kMaxHandRecordBytes);
    if (file.status == FileReadStatus::Missing)
        return HandRecordRead::Missing;
    if (!file.ok()) {
        problem =
            file.status == FileReadStatus::TooLarge ? "het bestand is te groot" : "het bestand is onleesbaar";
        return HandRecordRead::Damaged;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    if (!ParsePbnHandRecord(text, true, record, problem))
        return HandRecordRead::Damaged;
    if (record.boards.empty()) {
        problem = "het bestand bevat geen spellen";
        return HandRecordRead::Damaged;
    }
    return HandRecordRead::Ok;
}

std::string MissingHandRecordText(int session) {
    return "zitting " + std::to_string(session) +
           " heeft geen spelverdelingen: gebruik eerst velk-cli hands deal of hands import";
}

std::string DamagedHandRecordText(const std::string& path, const std::string& problem) {
    return "spelverdelingen niet te lezen: " + path + " is beschadigd (" + problem +
           "); het bestand wordt niet overschreven";
}

bool SaveHandRecord(const std::string& path, const HandRecord& record) {
    const std::string text = PbnHandRecordText(record);
    return SaveFileAtomically(path,
                              std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                              kHandRecordBackupExtension);
}

} // namespace velk
