#include "core/files/BaseScheduleFile.h"

#include "core/ByteCodec.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/SafeSave.h"
#include "core/files/ScheduleFileIo.h"

namespace velk {

const char* const kScheduleListIncorrect = " Schemalist niet correct \r";

namespace {

constexpr std::size_t kPairsRecordSize = 4;
constexpr std::size_t kPlayersRecordSize = 10;

bool CountsArePlausible(const ScheduleCounts& c) {
    return c.Rounds >= 1 && c.Rounds <= kMaxScheduleRounds && c.Tables >= 1 &&
           c.Tables <= kMaxScheduleTables && c.Pairs >= 1 && c.Pairs <= kMaxSchedulePairs &&
           c.BoardGroups >= 1 && c.BoardGroups <= kMaxScheduleBoardGroups;
}

// The counts are checked against the bytes left before anything is allocated.
bool EntriesFit(const ScheduleCounts& c, const ByteReader& in, std::size_t recordSize) {
    return static_cast<std::size_t>(c.Rounds) * static_cast<std::size_t>(c.Tables) * recordSize <=
           in.remaining();
}

std::int16_t Low(int v) {
    return static_cast<std::int16_t>(v & 0xFF);
}

std::string Overflow(const char* what, int value) {
    return "Schema niet bewaard:\r" + std::string(what) + " " + std::to_string(value) +
           " past niet in een schemabestand (hoogstens " + std::to_string(kMaxScheduleByte) + ")";
}

// The first of `counts` (name, value) above the byte limit, as its message.
std::string FirstOverflow(std::initializer_list<std::pair<const char*, int>> counts) {
    for (const auto& [what, value] : counts)
        if (value > kMaxScheduleByte || value < 0)
            return Overflow(what, value);
    return {};
}

} // namespace

std::optional<WorkSchedule> ParseBaseSchedule(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    ScheduleCounts c;
    c.Rounds = in.u8();
    c.Pairs = in.u8();
    c.Tables = in.u8();
    c.BoardGroups = in.u8();
    if (!in.ok() || !CountsArePlausible(c) || !EntriesFit(c, in, kPairsRecordSize))
        return std::nullopt;
    WorkSchedule s;
    s.Items.push_back(WorkSchedule::MakeHeader(c));
    for (int i = 0; i < c.Rounds * c.Tables; ++i) {
        TWSObj e;
        e.Table = in.u8();
        e.NS = in.u8();
        e.EW = in.u8();
        e.Letter = in.u8();
        s.Items.push_back(e);
    }
    return s;
}

std::optional<WorkSchedule1> ParseBaseSchedule1(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    ScheduleCounts c;
    c.Rounds = in.u8();
    c.Pairs = in.i16();
    in.skip(2);
    c.Tables = in.i16();
    in.skip(2);
    c.BoardGroups = in.u8();
    if (!in.ok() || !CountsArePlausible(c) || !EntriesFit(c, in, kPlayersRecordSize))
        return std::nullopt;
    WorkSchedule1 s;
    s.Items.push_back(WorkSchedule1::MakeHeader(c));
    for (int i = 0; i < c.Rounds * c.Tables; ++i) {
        TWSObj1 e;
        e.Table = in.u8();
        e.N = in.i16();
        e.Z = in.i16();
        e.O = in.i16();
        e.W = in.i16();
        e.Letter = in.u8();
        s.Items.push_back(e);
    }
    return s;
}

std::string BaseScheduleOverflow(const WorkSchedule& schedule) {
    const ScheduleCounts c = schedule.counts();
    std::string problem = FirstOverflow({{"Aantal ronden", c.Rounds},
                                         {"Aantal paren", c.Pairs},
                                         {"Aantal tafels", c.Tables},
                                         {"Aantal spelgroepen", c.BoardGroups}});
    for (std::size_t i = 1; i < schedule.Items.size() && problem.empty(); ++i) {
        const TWSObj& e = schedule.Items[i];
        problem = FirstOverflow({{"Tafelnummer", e.Table}, {"Paarnummer", e.NS}, {"Paarnummer", e.EW}});
    }
    return problem;
}

std::string BaseScheduleOverflow(const WorkSchedule1& schedule) {
    const ScheduleCounts c = schedule.counts();
    std::string problem = FirstOverflow({{"Aantal ronden", c.Rounds}, {"Aantal spelgroepen", c.BoardGroups}});
    for (std::size_t i = 1; i < schedule.Items.size() && problem.empty(); ++i)
        problem = FirstOverflow({{"Tafelnummer", schedule.Items[i].Table}});
    return problem;
}

std::vector<std::uint8_t> SerializeBaseSchedule(const WorkSchedule& schedule) {
    const ScheduleCounts c = schedule.counts();
    ByteWriter out;
    out.u8(static_cast<std::uint8_t>(Low(c.Rounds)));
    out.u8(static_cast<std::uint8_t>(Low(c.Pairs)));
    out.u8(static_cast<std::uint8_t>(Low(c.Tables)));
    out.u8(static_cast<std::uint8_t>(Low(c.BoardGroups)));
    for (std::size_t i = 1; i < schedule.Items.size(); ++i) {
        const TWSObj& e = schedule.Items[i];
        out.u8(static_cast<std::uint8_t>(Low(e.Table)));
        out.u8(static_cast<std::uint8_t>(Low(e.NS)));
        out.u8(static_cast<std::uint8_t>(Low(e.EW)));
        out.u8(e.Letter);
    }
    return out.take();
}

std::vector<std::uint8_t> SerializeBaseSchedule1(const WorkSchedule1& schedule) {
    const ScheduleCounts c = schedule.counts();
    ByteWriter out;
    out.u8(static_cast<std::uint8_t>(Low(c.Rounds)));
    out.i16(static_cast<std::int16_t>(c.Pairs));
    out.i16(0);
    out.i16(static_cast<std::int16_t>(c.Tables));
    out.i16(0);
    out.u8(static_cast<std::uint8_t>(Low(c.BoardGroups)));
    for (std::size_t i = 1; i < schedule.Items.size(); ++i) {
        const TWSObj1& e = schedule.Items[i];
        out.u8(static_cast<std::uint8_t>(Low(e.Table)));
        out.i16(e.N);
        out.i16(e.Z);
        out.i16(e.O);
        out.i16(e.W);
        out.u8(e.Letter);
    }
    return out.take();
}

void ClearSelfMeetings(TWSObj& entry) {
    if (entry.NS == entry.EW)
        entry.NS = entry.EW = 0;
}

void ClearSelfMeetings(TWSObj1& entry) {
    const std::int16_t seats[4] = {entry.N, entry.Z, entry.O, entry.W};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (seats[i] == seats[j]) {
                entry.N = entry.Z = entry.O = entry.W = 0;
                return;
            }
}

namespace {

template <typename Schedule, typename Parse>
std::optional<Schedule> ReadBase(const std::string& path, Dialogs& dialogs, ErrorCode& errorCode,
                                 Parse parse) {
    if (!ScheduleFileExists(path)) {
        ShowError(dialogs, errorCode, path, ErrorMessage::FileMissing);
        return std::nullopt;
    }
    const auto bytes = ReadScheduleFileBytes(path);
    std::optional<Schedule> parsed;
    if (bytes)
        parsed = parse(*bytes);
    if (!parsed) {
        dialogs.error(kScheduleListIncorrect);
        errorCode.report(FileError::ScheduleList);
        return std::nullopt;
    }
    if constexpr (!Schedule::Individual) {
        // Only the pairs form asks about its first entry.
        const TWSObj& first = parsed->Items.at(1);
        if ((first.NS == 0 || first.EW == 0 || first.Letter == 0) &&
            !dialogs.askYesNo("Paar of Spelgroep =0; Doorgaan met Schema inlezen ?"))
            return Schedule::Empty(parsed->counts());
    }
    for (std::size_t i = 1; i < parsed->Items.size(); ++i)
        ClearSelfMeetings(parsed->Items[i]);
    return parsed;
}

} // namespace

std::optional<WorkSchedule> ReadBaseSchedule(const std::string& path, Dialogs& dialogs,
                                             ErrorCode& errorCode) {
    return ReadBase<WorkSchedule>(path, dialogs, errorCode,
                                  [](const std::vector<std::uint8_t>& b) { return ParseBaseSchedule(b); });
}

std::optional<WorkSchedule1> ReadBaseSchedule1(const std::string& path, Dialogs& dialogs,
                                               ErrorCode& errorCode) {
    return ReadBase<WorkSchedule1>(path, dialogs, errorCode,
                                   [](const std::vector<std::uint8_t>& b) { return ParseBaseSchedule1(b); });
}

bool WriteBaseSchedule(const std::string& path, const WorkSchedule& schedule) {
    if (!BaseScheduleOverflow(schedule).empty())
        return false;
    const auto bytes = SerializeBaseSchedule(schedule);
    return SaveFileAtomically(path, bytes, {});
}

bool WriteBaseSchedule1(const std::string& path, const WorkSchedule1& schedule) {
    if (!BaseScheduleOverflow(schedule).empty())
        return false;
    const auto bytes = SerializeBaseSchedule1(schedule);
    return SaveFileAtomically(path, bytes, {});
}

} // namespace velk
