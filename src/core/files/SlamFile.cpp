#include "core/files/SlamFile.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/SafeSave.h"
#include "core/files/FileSpelling.h"

#include <filesystem>

namespace velk {

namespace {
constexpr std::size_t kMaxSlamFileBytes = 16u * 1024 * 1024;
} // namespace

int ParseSlamFile(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                  std::vector<TZitSlemObj>& out) {
    ByteReader in(bytes);
    std::vector<TZitSlemObj> blocks;
    const long long records = static_cast<long long>(shape.PairCount) + 1;
    for (int session = 1; session <= shape.SessionCount(); ++session) {
        TZitSlemObj block;
        block.ReadFrom(in);
        const bool fits = in.ok() && records > 0 &&
                          static_cast<unsigned long long>(records) * TSLemObj::Size <= in.remaining();
        if (!fits)
            return session;
        block.Records.resize(static_cast<std::size_t>(records));
        for (auto& record : block.Records)
            record.ReadFrom(in);
        blocks.push_back(std::move(block));
    }
    out = std::move(blocks);
    return 0;
}

bool ReadSlamBytes(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                   std::vector<TZitSlemObj>& out, Dialogs& dialogs, ErrorCode& errorCode) {
    const int shortSession = ParseSlamFile(bytes, shape, out);
    if (shortSession == 0)
        return true;
    dialogs.error("Slemlijst bestaat niet; zitting: " + std::to_string(shortSession));
    errorCode.report(ScoreFileError::ReadFailed);
    return false;
}

bool ReadSlamFile(const std::string& competitionPath, const ScoreFileShape& shape, bool competitionOpen,
                  std::vector<TZitSlemObj>& out, Dialogs& dialogs, ErrorCode& errorCode) {
    const std::string path = ExistingSpelling(ChangeFileExt(competitionPath, ".slm"));
    const FileBytes file = ReadFileBytes(path, kMaxSlamFileBytes);
    if (file.status == FileReadStatus::Missing) {
        if (!competitionOpen) {
            ShowError(dialogs, errorCode, path, ErrorMessage::FileMissing);
            return false;
        }
        std::vector<TZitSlemObj> fresh;
        for (int session = 1; session <= shape.SessionCount(); ++session)
            fresh.push_back(NewSlamBlock(session, shape.PairCount));
        out = std::move(fresh);
        return true;
    }
    if (!file.ok()) {
        ShowFileError(dialogs, errorCode, path, FileError::ReadFailed, Hint::CheckFile);
        return false;
    }
    return ReadSlamBytes(file.bytes, shape, out, dialogs, errorCode);
}

std::vector<std::uint8_t> SerializeSlamFile(const std::vector<TZitSlemObj>& blocks, int pairCount) {
    ByteWriter w;
    const TSLemObj blank;
    const std::size_t count = static_cast<std::size_t>(std::max(pairCount, 0)) + 1;
    for (const auto& block : blocks) {
        block.WriteTo(w);
        for (std::size_t i = 0; i < count; ++i)
            (i < block.Records.size() ? block.Records[i] : blank).WriteTo(w);
    }
    return w.take();
}

std::string SlamFileWritePath(const std::string& slamPath) {
    const std::string existing = ExistingSpelling(slamPath);
    std::error_code ec;
    if (std::filesystem::exists(existing, ec))
        return existing;
    return ChangeFileExt(slamPath, ".SLM");
}

bool WriteSlamFile(const std::string& slamPath, const std::vector<TZitSlemObj>& blocks, int pairCount,
                   bool makeBackup, Dialogs& dialogs, ErrorCode& errorCode) {
    const std::string path = SlamFileWritePath(slamPath);
    const auto bytes = SerializeSlamFile(blocks, pairCount);
    if (SaveFileAtomically(path, bytes, makeBackup ? kSlamBackupExtension : ""))
        return true;
    const int firstSession = blocks.empty() ? 1 : blocks.front().SessionIndex;
    dialogs.error("Slemlijst niet bewaard; zitting: " + std::to_string(firstSession));
    errorCode.report(ScoreFileError::WriteFailed);
    return false;
}

} // namespace velk
