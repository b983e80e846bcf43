#include "core/files/ScoreFile.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/FileNameHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/FileSpelling.h"

#include <algorithm>
#include <string_view>

namespace velk {

namespace {
// 512 pairs x 48 boards x 12 sessions of 17 bytes fit well within this.
constexpr std::size_t kMaxScoreFileBytes = 64u * 1024 * 1024;

// Older files wrote "4-1" and "3A"; the program now reads them as "4=1" and "3SA".
void ModerniseContract(TScoreObj& record) {
    std::string text = record.Contract.get();
    const std::string original = text;
    for (int replaced = 0; replaced < 2; ++replaced) {
        const auto dash = text.find('-');
        if (dash == std::string::npos)
            break;
        text[dash] = '=';
    }
    if (text.size() >= 2 && text[1] == 'A' && text[0] != 'P')
        text.insert(1, "S");
    // Only a changed text is stored again, so that untouched records keep their bytes.
    if (text != original)
        record.Contract.set(text);
}

std::string SessionText(int session) {
    return std::to_string(session);
}
} // namespace

ScoreFileShape ShapeOf(int pairCount, const std::vector<TZitCalcObj>& sessions) {
    ScoreFileShape shape;
    shape.PairCount = pairCount;
    for (const auto& session : sessions)
        shape.BoardCounts.push_back(session.BoardCount);
    return shape;
}

ScoreFileRead ParseScoreFile(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                             std::vector<TZitScoreObj>& out) {
    ScoreFileRead result;
    ByteReader in(bytes);
    std::vector<TZitScoreObj> blocks;
    for (int session = 1; session <= shape.SessionCount(); ++session) {
        const int boardCount = shape.BoardCounts[static_cast<std::size_t>(session - 1)];
        TZitScoreObj block;
        block.ReadFrom(in);
        if (in.ok() && block.BoardsInList == 0) {
            block.BoardsInList = static_cast<std::int16_t>(boardCount);
            block.SessionIndex = static_cast<std::int16_t>(session);
        }
        if (in.ok() && block.BoardsInList != boardCount)
            result.BoardCountMismatches.push_back({session, block.BoardsInList, boardCount});
        // The count is checked against the bytes left before anything is allocated.
        const long long records = static_cast<long long>(shape.PairCount) * block.BoardsInList + 1;
        const bool fits = in.ok() && block.BoardsInList >= 0 && shape.PairCount >= 0 &&
                          static_cast<unsigned long long>(records) * TScoreObj::Size <= in.remaining();
        if (!fits) {
            result.ShortSession = session;
            return result;
        }
        block.Records.resize(static_cast<std::size_t>(records));
        for (auto& record : block.Records) {
            record.ReadFrom(in);
            ModerniseContract(record);
        }
        blocks.push_back(std::move(block));
    }
    out = std::move(blocks);
    return result;
}

bool ReadScoreBytes(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                    std::vector<TZitScoreObj>& out, Dialogs& dialogs, ErrorCode& errorCode) {
    const ScoreFileRead read = ParseScoreFile(bytes, shape, out);
    for (const auto& m : read.BoardCountMismatches)
        dialogs.error("Aantal spellen in Scorelist: " + std::to_string(m.BoardsInList) +
                      " Aantal spellen voor Zitting: " + std::to_string(m.BoardCount) + " komt niet overeen" +
                      " kies zittingggegevens");
    if (read.ok())
        return true;
    dialogs.error("Scorelijst bestaat niet zitting: " + SessionText(read.ShortSession));
    errorCode.report(ScoreFileError::ReadFailed);
    return false;
}

bool ReadScoreFile(const std::string& competitionPath, const ScoreFileShape& shape, bool competitionOpen,
                   std::vector<TZitScoreObj>& out, Dialogs& dialogs, ErrorCode& errorCode) {
    const std::string path = ExistingSpelling(ChangeFileExt(competitionPath, ".SCO"));
    const FileBytes file = ReadFileBytes(path, kMaxScoreFileBytes);
    if (file.status == FileReadStatus::Missing) {
        if (!competitionOpen) {
            ShowError(dialogs, errorCode, path, ErrorMessage::FileMissing);
            return false;
        }
        std::vector<TZitScoreObj> blank;
        for (int session = 1; session <= shape.SessionCount(); ++session)
            blank.push_back(NewScoreBlock(session, shape.BoardCounts[static_cast<std::size_t>(session - 1)],
                                          shape.PairCount));
        out = std::move(blank);
        return true;
    }
    if (!file.ok()) {
        ShowFileError(dialogs, errorCode, path, FileError::ReadFailed, Hint::CheckFile);
        return false;
    }
    return ReadScoreBytes(file.bytes, shape, out, dialogs, errorCode);
}

std::vector<std::uint8_t> SerializeScoreFile(const std::vector<TZitScoreObj>& blocks, int pairCount) {
    ByteWriter w;
    const TScoreObj blank;
    for (const auto& block : blocks) {
        block.WriteTo(w);
        const long long count = static_cast<long long>(pairCount) * std::max<int>(block.BoardsInList, 0) + 1;
        for (long long i = 0; i < count; ++i) {
            const auto index = static_cast<std::size_t>(i);
            (index < block.Records.size() ? block.Records[index] : blank).WriteTo(w);
        }
    }
    return w.take();
}

bool WriteScoreFile(const std::string& scorePath, const std::vector<TZitScoreObj>& blocks, int pairCount,
                    bool makeBackup, Dialogs& dialogs, ErrorCode& errorCode) {
    const std::string path = ExistingSpelling(scorePath);
    const auto bytes = SerializeScoreFile(blocks, pairCount);
    if (SaveFileAtomically(path, bytes, makeBackup ? BackupExtension(BackupKind::Score) : std::string_view()))
        return true;
    // Nothing of the new file was written, from the first session on.
    const int firstSession = blocks.empty() ? 1 : blocks.front().SessionIndex;
    dialogs.error("Scorelijst niet bewaard zitting: " + SessionText(firstSession));
    errorCode.report(ScoreFileError::WriteFailed);
    return false;
}

} // namespace velk
