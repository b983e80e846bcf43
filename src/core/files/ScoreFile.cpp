#include "core/files/ScoreFile.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/FileNameHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/FileSpelling.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

namespace velk {

namespace {
// 512 pairs x 48 boards x 12 sessions of 17 bytes fit well within this.
constexpr std::size_t kMaxScoreFileBytes = 64u * 1024 * 1024;

// Older files wrote "4-1" and "3A"; the program now reads them as "4=1" and "3SA".
void ModerniseContract(TScoreObj& record) {
    // Most contracts hold neither a dash nor an A: nothing to do, and nothing to decode.
    const auto& raw = record.Contract.raw();
    const std::size_t length = std::min<std::size_t>(raw[0], raw.size() - 1);
    if (std::none_of(raw.begin() + 1, raw.begin() + 1 + static_cast<std::ptrdiff_t>(length),
                     [](std::uint8_t c) { return c == '-' || c == 'A'; }))
        return;
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

// The head of a block as the parser takes it: a blank head takes the session's own count.
void TakeHead(TZitScoreObj& block, int session, int boardCount) {
    if (block.BoardsInList == 0) {
        block.BoardsInList = static_cast<std::int16_t>(boardCount);
        block.SessionIndex = static_cast<std::int16_t>(session);
    }
}

// The records of a block, or -1 for a head no file can hold.
long long RecordCount(const TZitScoreObj& head, int pairCount) {
    if (head.BoardsInList < 0 || pairCount < 0)
        return -1;
    return static_cast<long long>(pairCount) * head.BoardsInList + 1;
}

// `records` records, which the caller has checked are all there, taken in place.
void AppendRecords(ByteReader& in, TZitScoreObj& block, long long records) {
    const std::uint8_t* p = in.next(static_cast<std::size_t>(records) * TScoreObj::Size);
    if (!p)
        return;
    const std::size_t first = block.Records.size();
    block.Records.resize(first + static_cast<std::size_t>(records));
    for (std::size_t i = first; i < block.Records.size(); ++i, p += TScoreObj::Size) {
        TScoreObj& record = block.Records[i];
        record.ReadFrom(p);
        if (record.Contract.raw()[0] != 0) // most records of a large file are empty
            ModerniseContract(record);
    }
}

// The block of a session at `offset`, whose extent the map has checked, read a piece at a time so
// its bytes are never held whole.
bool ReadBlockAt(FilePieces& file, std::uint64_t offset, int session, const ScoreFileShape& shape,
                 TZitScoreObj& out) {
    std::uint8_t head[TZitScoreObj::Size];
    if (!file.read(offset, head, sizeof head))
        return false;
    TZitScoreObj block;
    ByteReader headReader(head);
    block.ReadFrom(headReader);
    TakeHead(block, session, shape.BoardCounts[static_cast<std::size_t>(session - 1)]);
    const long long records = RecordCount(block, shape.PairCount);
    if (records < 0) // the file changed since its heads were checked
        return false;
    constexpr long long kPieceRecords = 4096;
    std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min(records, kPieceRecords)) *
                                    TScoreObj::Size);
    block.Records.reserve(static_cast<std::size_t>(records));
    std::uint64_t at = offset + TZitScoreObj::Size;
    for (long long done = 0; done < records;) {
        const long long n = std::min(kPieceRecords, records - done);
        const std::size_t bytes = static_cast<std::size_t>(n) * TScoreObj::Size;
        if (!file.read(at, piece.data(), bytes))
            return false;
        ByteReader reader(std::span(piece.data(), bytes));
        AppendRecords(reader, block, n);
        at += bytes;
        done += n;
    }
    out = std::move(block);
    return true;
}

// Where each block of a score file starts, found from the heads alone.
struct BlockMap {
    ScoreFileRead read;
    std::vector<std::uint64_t> offsets; // [s-1]: the head of session s
    std::vector<std::uint64_t> sizes;   // [s-1]: head and records, in bytes
};

// Walks the heads of the file's blocks; `headAt` reads the four head bytes at an offset (false
// past the end).
template <typename HeadAt>
BlockMap MapBlocks(std::uint64_t fileSize, const ScoreFileShape& shape, HeadAt headAt) {
    BlockMap map;
    std::uint64_t offset = 0;
    for (int session = 1; session <= shape.SessionCount(); ++session) {
        const int boardCount = shape.BoardCounts[static_cast<std::size_t>(session - 1)];
        TZitScoreObj head;
        const bool headRead = offset + TZitScoreObj::Size <= fileSize && headAt(offset, head);
        if (headRead) {
            TakeHead(head, session, boardCount);
            if (head.BoardsInList != boardCount)
                map.read.BoardCountMismatches.push_back({session, head.BoardsInList, boardCount});
        }
        const long long records = headRead ? RecordCount(head, shape.PairCount) : -1;
        const std::uint64_t left = headRead ? fileSize - offset - TZitScoreObj::Size : 0;
        if (records < 0 || static_cast<unsigned long long>(records) * TScoreObj::Size > left) {
            map.read.ShortSession = session;
            return map;
        }
        const std::uint64_t size = TZitScoreObj::Size + static_cast<std::uint64_t>(records) * TScoreObj::Size;
        map.offsets.push_back(offset);
        map.sizes.push_back(size);
        offset += size;
    }
    return map;
}

std::optional<BlockMap> MapFile(FilePieces& file, const ScoreFileShape& shape) {
    bool failed = false;
    BlockMap map = MapBlocks(file.size(), shape, [&](std::uint64_t offset, TZitScoreObj& head) {
        std::uint8_t bytes[TZitScoreObj::Size];
        if (!file.read(offset, bytes, sizeof bytes)) {
            failed = true;
            return false;
        }
        ByteReader reader(bytes);
        head.ReadFrom(reader);
        return true;
    });
    if (failed)
        return std::nullopt;
    return map;
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
        if (in.ok())
            TakeHead(block, session, boardCount);
        if (in.ok() && block.BoardsInList != boardCount)
            result.BoardCountMismatches.push_back({session, block.BoardsInList, boardCount});
        // The count is checked against the bytes left before anything is allocated.
        const long long records = RecordCount(block, shape.PairCount);
        if (!in.ok() || records < 0 ||
            static_cast<unsigned long long>(records) * TScoreObj::Size > in.remaining()) {
            result.ShortSession = session;
            return result;
        }
        AppendRecords(in, block, records);
        blocks.push_back(std::move(block));
    }
    out = std::move(blocks);
    return result;
}

bool ReadScoreBytes(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                    std::vector<TZitScoreObj>& out, Dialogs& dialogs, ErrorCode& errorCode) {
    return ReportScoreFileRead(ParseScoreFile(bytes, shape, out), dialogs, errorCode);
}

bool ReportScoreFileRead(const ScoreFileRead& read, Dialogs& dialogs, ErrorCode& errorCode) {
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

bool ReadScoreFileSession(const std::string& competitionPath, const ScoreFileShape& shape, int session,
                          TZitScoreObj& out, Dialogs& dialogs, ErrorCode& errorCode) {
    if (session < 1 || session > shape.SessionCount())
        return false;
    const auto index = static_cast<std::size_t>(session - 1);
    const std::string path = ExistingSpelling(ChangeFileExt(competitionPath, ".SCO"));
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        out = NewScoreBlock(session, shape.BoardCounts[index], shape.PairCount);
        return true;
    }
    FilePieces file(path, kMaxScoreFileBytes);
    const std::optional<BlockMap> map = file.ok() ? MapFile(file, shape) : std::nullopt;
    if (map && !ReportScoreFileRead(map->read, dialogs, errorCode))
        return false;
    if (!map || !ReadBlockAt(file, map->offsets[index], session, shape, out)) {
        ShowFileError(dialogs, errorCode, path, FileError::ReadFailed, Hint::CheckFile);
        return false;
    }
    return true;
}

bool WriteScoreFileSession(const std::string& scorePath, const ScoreFileShape& shape, int session,
                           const TZitScoreObj& block, bool makeBackup, Dialogs& dialogs,
                           ErrorCode& errorCode) {
    const std::string path = ExistingSpelling(scorePath);
    const FileBytes file = ReadFileBytes(path, kMaxScoreFileBytes);
    std::optional<BlockMap> map;
    if (file.ok() && session >= 1 && session <= shape.SessionCount())
        map = MapBlocks(file.bytes.size(), shape, [&](std::uint64_t offset, TZitScoreObj& head) {
            ByteReader reader(std::span(file.bytes).subspan(static_cast<std::size_t>(offset)));
            head.ReadFrom(reader);
            return reader.ok();
        });
    if (map && map->read.ok()) {
        const auto index = static_cast<std::size_t>(session - 1);
        std::vector<std::uint8_t> bytes(
            file.bytes.begin(), file.bytes.begin() + static_cast<std::ptrdiff_t>(map->offsets[index]));
        const auto serialized = SerializeScoreFile({block}, shape.PairCount);
        bytes.insert(bytes.end(), serialized.begin(), serialized.end());
        bytes.insert(bytes.end(),
                     file.bytes.begin() +
                         static_cast<std::ptrdiff_t>(map->offsets[index] + map->sizes[index]),
                     file.bytes.end());
        if (SaveFileAtomically(path, bytes,
                               makeBackup ? BackupExtension(BackupKind::Score) : std::string_view()))
            return true;
    }
    dialogs.error("Scorelijst niet bewaard zitting: " + SessionText(session));
    errorCode.report(ScoreFileError::WriteFailed);
    return false;
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
