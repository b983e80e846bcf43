#include "core/files/SessionScheduleFile.h"

#include "core/ByteCodec.h"
#include "core/FileBytes.h"
#include "core/files/ScheduleFileIo.h"

#include <algorithm>

namespace velk {

std::size_t SessionEntryCount(int rounds, int tableCount) {
    if (rounds < 0 || tableCount < 0)
        return 1;
    return 1 + static_cast<std::size_t>(rounds) * static_cast<std::size_t>(tableCount);
}

bool IsAcceptableScheduleHead(const TZitSchemaObj& head) {
    return head.PairCount >= 1 && head.PairCount <= 512 && head.GroupCount >= 0 &&
           head.GroupCount <= TZitSchemaObj::MaxGroups && head.RoundCount >= 0 && head.RoundCount <= 16;
}

namespace {

template <typename Entry> std::vector<Entry> ReadEntries(ByteReader& in, std::size_t count) {
    std::vector<Entry> entries(count);
    for (auto& e : entries)
        e.ReadFrom(in);
    return entries;
}

template <typename Entry>
void WriteEntries(ByteWriter& out, const std::vector<Entry>& entries, std::size_t count) {
    const Entry empty;
    for (std::size_t i = 0; i < count; ++i)
        (i < entries.size() ? entries[i] : empty).WriteTo(out);
}

} // namespace

namespace {

// The bytes a parse walks through, held in memory.
class MemorySource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t remaining() const { return bytes_.size() - pos_; }
    void skip(std::size_t n) { pos_ += n; }
    // Hands the next n bytes (at most remaining()) to `use`.
    template <typename Use> void read(std::size_t n, Use use) {
        ByteReader in(bytes_.subspan(pos_, n));
        use(in);
        pos_ += n;
    }
    bool failed() const { return false; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// The same, read from the file as the parse goes: what it skips is never read.
class FileSource {
public:
    explicit FileSource(FilePieces& file) : file_(file) {}
    std::size_t remaining() const { return static_cast<std::size_t>(file_.size() - pos_); }
    void skip(std::size_t n) { pos_ += n; }
    template <typename Use> void read(std::size_t n, Use use) {
        buffer_.resize(n);
        if (!file_.read(pos_, buffer_.data(), n)) {
            failed_ = true;
            std::fill(buffer_.begin(), buffer_.end(), std::uint8_t{0});
        }
        ByteReader in(buffer_);
        use(in);
        pos_ += n;
    }
    // The file changed or could not be read part way: nothing parsed counts.
    bool failed() const { return failed_; }

private:
    FilePieces& file_;
    std::uint64_t pos_ = 0;
    std::vector<std::uint8_t> buffer_;
    bool failed_ = false;
};

template <typename Source>
ParsedSessionSchedules Parse(Source& in, int tableCount, int sessionCount, bool individual, int onlySession) {
    ParsedSessionSchedules result;
    if (tableCount < 0)
        tableCount = 0;
    const std::size_t labelCount = static_cast<std::size_t>(tableCount) + 1;
    if (in.remaining() < labelCount * TTafelObj::Size)
        return result;
    result.TableLabels.resize(labelCount);
    in.read(labelCount * TTafelObj::Size, [&](ByteReader& r) {
        for (auto& label : result.TableLabels)
            label.ReadFrom(r);
    });
    result.LabelsRead = true;

    const std::uint8_t wantedForm = individual ? ScheduleForm::Individual : ScheduleForm::Pairs;
    for (int z = 1; z <= sessionCount; ++z) {
        if (in.remaining() == 0) {
            result.MissingFromSession = z;
            break;
        }
        if (in.remaining() < TZitSchemaObj::Size) {
            result.ShortFromSession = z;
            break;
        }
        TZitSchemaObj head;
        in.read(TZitSchemaObj::Size, [&](ByteReader& r) { head.ReadFrom(r); });
        const std::size_t entrySize = head.isIndividual() ? TSchemaObj1::Size : TSchemaObj::Size;
        const std::size_t count = SessionEntryCount(head.RoundCount, tableCount);
        const bool entriesThere = head.RoundCount >= 0 && count * entrySize <= in.remaining();
        if (!IsAcceptableScheduleHead(head) || head.Form != wantedForm) {
            result.RejectedHeads.push_back(z);
            result.Sessions.emplace_back();
            // The entries of a rejected head are passed over when their extent is known; otherwise
            // nothing after it can be trusted.
            if (!entriesThere) {
                if (z < sessionCount)
                    result.ShortFromSession = z + 1;
                break;
            }
            in.skip(count * entrySize);
            continue;
        }
        if (!entriesThere) {
            result.ShortFromSession = z;
            break;
        }
        if (onlySession != 0 && onlySession != z)
            in.skip(count * entrySize);
        else
            in.read(count * entrySize, [&](ByteReader& r) {
                if (individual)
                    head.PlayerEntries = ReadEntries<TSchemaObj1>(r, count);
                else
                    head.Entries = ReadEntries<TSchemaObj>(r, count);
            });
        result.Sessions.emplace_back(std::move(head));
    }
    result.Sessions.resize(static_cast<std::size_t>(sessionCount > 0 ? sessionCount : 0));
    return result;
}

} // namespace

ParsedSessionSchedules ParseSessionScheduleFile(std::span<const std::uint8_t> bytes, int tableCount,
                                                int sessionCount, bool individual) {
    MemorySource in(bytes);
    return Parse(in, tableCount, sessionCount, individual, 0);
}

std::optional<ParsedSessionSchedules> ReadSessionScheduleFile(const std::string& path, int tableCount,
                                                              int sessionCount, bool individual,
                                                              int onlySession) {
    FilePieces file(path, kMaxScheduleFileBytes);
    if (!file.ok())
        return std::nullopt;
    FileSource in(file);
    ParsedSessionSchedules parsed = Parse(in, tableCount, sessionCount, individual, onlySession);
    if (in.failed())
        return std::nullopt;
    return parsed;
}

std::vector<std::uint8_t> SerializeSessionSchedules(const std::vector<TTafelObj>& labels,
                                                    const std::vector<TZitSchemaObj>& schedules,
                                                    int tableCount) {
    ByteWriter out;
    for (const auto& label : labels)
        label.WriteTo(out);
    for (const auto& schedule : schedules) {
        schedule.WriteTo(out);
        const std::size_t count = SessionEntryCount(schedule.RoundCount, tableCount);
        if (schedule.isIndividual())
            WriteEntries(out, schedule.PlayerEntries, count);
        else
            WriteEntries(out, schedule.Entries, count);
    }
    return out.take();
}

} // namespace velk
