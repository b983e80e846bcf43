#include "core/files/CompetitionFile.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/FileNameHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"

#include <limits>

namespace velk {
namespace {

// Reads the stages of the file one by one into a fresh object; each stage checks what it is
// about to allocate against the bytes that are left.
class CompetitionFileParser {
public:
    CompetitionFileParser(std::span<const std::uint8_t> bytes, CompetitionFileRead& result)
        : in_(bytes), result_(result) {}

    bool parse(CompetitionFileData& data) {
        if (!readConfig(data) || !readPairs(data))
            return false;
        readSessions(data);
        return errorCode_.ok();
    }

    std::int16_t code() const { return errorCode_.value(); }

private:
    bool fits(std::size_t count, std::size_t recordSize) const {
        return count <= in_.remaining() / recordSize;
    }

    bool fail(std::int16_t code) {
        errorCode_.report(code);
        return false;
    }

    bool readConfig(CompetitionFileData& data) {
        if (!fits(1, TConfigObj::Size + SlamBonusBlock::Size))
            return fail(CompetitionFileError::ConfigRecord);
        data.ConfigRecord.ReadFrom(in_);
        // Files written by this program always carry the slam bonus block.
        data.ConfigRecord.Head.ConfigFlags |= ConfigFlag::SlamBonusBlock;
        data.SlamBonusTable.ReadFrom(in_);
        pairCount_ = data.ConfigRecord.Head.PairCount;
        if (pairCount_ < 0)
            return fail(CompetitionFileError::ConfigRecord);
        // An empty competition is read on, but rejected at the end.
        if (pairCount_ == 0)
            errorCode_.report(CompetitionFileError::ConfigRecord);
        return in_.ok();
    }

    bool readPairs(CompetitionFileData& data) {
        const std::size_t records = static_cast<std::size_t>(pairCount_) + 1;
        if (!fits(records, TParenObj::Size))
            return fail(CompetitionFileError::PairList);
        data.PairList.resize(records);
        for (auto& pair : data.PairList)
            pair.ReadFrom(in_);
        data.IsCompetition = data.PairList[0].Groep != kDriveKind;
        return in_.ok();
    }

    void readSessions(CompetitionFileData& data) {
        if (!fits(1, 2)) {
            fail(CompetitionFileError::SessionList);
            return;
        }
        const int sessionCount = in_.i16();
        if (sessionCount < 0) {
            fail(CompetitionFileError::SessionList);
            return;
        }
        if (sessionCount > data.ConfigRecord.Head.SessionsPerCompetition) {
            fail(CompetitionFileError::TooManySessions);
            return;
        }
        const std::size_t rows = static_cast<std::size_t>(pairCount_) + 1;
        for (int b = 1; b <= sessionCount; ++b) {
            if (!fits(1, TZitCalcObj::Size)) {
                fail(CompetitionFileError::SessionList);
                return;
            }
            TZitCalcObj session;
            session.ReadFrom(in_);
            if (!fits(rows, TCalcObj::Size)) {
                fail(CompetitionFileError::SessionList);
                return;
            }
            if (session.SessionNr == 0) {
                result_.RemovedSessions.push_back(b);
                // The removed session's rows are still in the file; the next session follows them.
                in_.skip(rows * TCalcObj::Size);
                continue;
            }
            session.Rows.resize(rows);
            for (std::size_t i = 0; i < rows; ++i) {
                session.Rows[i].ReadFrom(in_);
                session.Rows[i].ClubNr = data.PairList[i].ClubNr;
            }
            data.SessionList.push_back(std::move(session));
        }
        if (!in_.ok())
            fail(CompetitionFileError::SessionList);
    }

    ByteReader in_;
    CompetitionFileRead& result_;
    ErrorCode errorCode_;
    int pairCount_ = 0;
};

// A file is written only when it can be read back: every list has PairCount + 1 records.
std::int16_t InconsistencyCode(const CompetitionFileData& data, const CompetitionHead& head) {
    if (head.PairCount < 0)
        return CompetitionFileError::ConfigRecord;
    const std::size_t records = static_cast<std::size_t>(head.PairCount) + 1;
    if (data.PairList.size() != records)
        return CompetitionFileError::PairList;
    if (data.SessionList.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        return CompetitionFileError::SessionList;
    for (const auto& session : data.SessionList)
        if (session.Rows.size() != records)
            return CompetitionFileError::SessionList;
    return 0;
}

} // namespace

CompetitionFileRead ParseCompetitionFile(std::span<const std::uint8_t> bytes, CompetitionFileData& out) {
    CompetitionFileRead result;
    CompetitionFileData fresh;
    CompetitionFileParser parser(bytes, result);
    const bool ok = parser.parse(fresh);
    result.Code = parser.code();
    if (ok)
        out = std::move(fresh);
    return result;
}

void ShowCompetitionFileNotes(const CompetitionFileRead& read, Dialogs& dialogs) {
    for (int session : read.RemovedSessions)
        dialogs.error("Zitting: " + std::to_string(session) + " bestaat niet; Zitting verwijderd");
    if (read.Code == CompetitionFileError::TooManySessions)
        dialogs.error("Aantal Zittingen te groot,programma corrupt of wijzig aantal Zittingen");
}

bool ReadCompetitionBytes(std::span<const std::uint8_t> bytes, CompetitionFileData& out, Dialogs& dialogs,
                          ErrorCode& errorCode, CompetitionFileRead* notes) {
    errorCode.clear();
    const CompetitionFileRead read = ParseCompetitionFile(bytes, out);
    ShowCompetitionFileNotes(read, dialogs);
    errorCode.report(read.Code);
    if (notes)
        *notes = read;
    return read.ok();
}

bool ReadCompetitionFile(const std::string& path, CompetitionFileData& out, Dialogs& dialogs,
                         ErrorCode& errorCode, CompetitionFileRead* notes) {
    errorCode.clear();
    FileBytes file = ReadFileBytes(path, kMaxCompetitionFileBytes);
    if (file.status == FileReadStatus::Missing) {
        dialogs.warning("Geen Paren bestand " + path);
        errorCode.report(CompetitionFileError::Missing);
        return false;
    }
    if (!file.ok()) {
        errorCode.report(CompetitionFileError::ConfigRecord);
        return false;
    }
    return ReadCompetitionBytes(file.bytes, out, dialogs, errorCode, notes);
}

void ReportCompetitionFileError(Dialogs& dialogs, int errorCode, const std::string& fileName) {
    ErrorCode shown;
    switch (errorCode) {
    case CompetitionFileError::ConfigRecord:
    case CompetitionFileError::PairList:
    case CompetitionFileError::SessionList:
        ShowFileError(dialogs, shown, fileName, errorCode, Hint::CheckFile);
        break;
    case CompetitionFileError::SessionCalcList:
        ShowFileError(dialogs, shown, fileName, FileError::SessionCalcList, Hint::CheckFile);
        break;
    case CompetitionFileError::Before2007:
        dialogs.error("Bridgebestand van vóór 2007, gebruik Velk06!");
        break;
    case CompetitionFileError::TooManySessions:
        dialogs.error("Bridgebestand van vóór 2013, gebruik Velk12!");
        break;
    default:
        break;
    }
}

std::vector<std::uint8_t> SerializeCompetitionFile(const CompetitionFileData& data,
                                                   const CompetitionHead& head,
                                                   const std::string& clubFileName, int seasonYear) {
    ByteWriter out;
    std::size_t size = TConfigObj::Size + SlamBonusBlock::Size + data.PairList.size() * TParenObj::Size + 2;
    for (const auto& session : data.SessionList)
        size += TZitCalcObj::Size + session.Rows.size() * TCalcObj::Size;
    out.reserve(size);
    TConfigObj config = data.ConfigRecord;
    config.Head = head;
    // The reader always expects the slam bonus block, so it is always written and flagged.
    config.Head.ConfigFlags |= ConfigFlag::SlamBonusBlock;
    config.WriteTo(out);
    data.SlamBonusTable.WriteTo(out);

    for (std::size_t i = 0; i < data.PairList.size(); ++i) {
        if (i == 0) {
            TParenObj header = data.PairList[0];
            const TParenObj fresh = MakeHeaderRecord(seasonYear, clubFileName, data.IsCompetition);
            header.Indx = fresh.Indx;
            header.Groep = fresh.Groep;
            header.Naam = fresh.Naam;
            header.WriteTo(out);
        } else {
            data.PairList[i].WriteTo(out);
        }
    }

    out.i16(static_cast<std::int16_t>(data.SessionList.size()));
    for (const auto& session : data.SessionList) {
        session.WriteTo(out);
        for (const auto& row : session.Rows)
            row.WriteTo(out);
    }
    return out.take();
}

bool WriteCompetitionFile(const std::string& path, const CompetitionFileData& data,
                          const CompetitionHead& head, const std::string& clubFileName, int seasonYear,
                          Dialogs& dialogs, ErrorCode& errorCode, SaveReport report) {
    errorCode.clear();
    bool saved = false;
    if (const std::int16_t code = InconsistencyCode(data, head); code != 0) {
        errorCode.report(code);
    } else {
        const std::vector<std::uint8_t> bytes =
            SerializeCompetitionFile(data, head, clubFileName, seasonYear);
        saved = SaveFileAtomically(path, bytes, BackupExtension(BackupKind::Competition));
    }
    if (!saved)
        ShowFileError(dialogs, errorCode, path, FileError::WriteFailed, Hint::CheckFile);
    if (report == SaveReport::Report)
        ReportSaveResult(dialogs, path, saved);
    return saved;
}

} // namespace velk
