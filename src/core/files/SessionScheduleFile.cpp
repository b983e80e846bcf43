#include "core/files/SessionScheduleFile.h"

#include "core/ByteCodec.h"

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

ParsedSessionSchedules ParseSessionScheduleFile(std::span<const std::uint8_t> bytes, int tableCount,
                                                int sessionCount, bool individual) {
    ParsedSessionSchedules result;
    ByteReader in(bytes);
    if (tableCount < 0)
        tableCount = 0;
    const std::size_t labelCount = static_cast<std::size_t>(tableCount) + 1;
    if (in.remaining() < labelCount * TTafelObj::Size)
        return result;
    result.TableLabels.resize(labelCount);
    for (auto& label : result.TableLabels)
        label.ReadFrom(in);
    result.LabelsRead = true;

    const std::uint8_t wantedForm = individual ? ScheduleForm::Individual : ScheduleForm::Pairs;
    for (int z = 1; z <= sessionCount; ++z) {
        if (in.atEnd()) {
            result.MissingFromSession = z;
            break;
        }
        if (in.remaining() < TZitSchemaObj::Size) {
            result.ShortFromSession = z;
            break;
        }
        TZitSchemaObj head;
        head.ReadFrom(in);
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
        if (individual)
            head.PlayerEntries = ReadEntries<TSchemaObj1>(in, count);
        else
            head.Entries = ReadEntries<TSchemaObj>(in, count);
        result.Sessions.emplace_back(std::move(head));
    }
    result.Sessions.resize(static_cast<std::size_t>(sessionCount > 0 ? sessionCount : 0));
    return result;
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
