#include "schedules/ScheduleFieldCheck.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "schedules/ScheduleCells.h"

#include <vector>

namespace velk {

namespace {

struct SeatField {
    std::string Text;
    const char* Empty;
    const char* Unknown;
};

// Every seat empty, the group empty, every seat unknown, the group wrong: the last failure wins.
// Returns the failing seat's index, or the number of seats for the group.
std::optional<std::size_t> CheckSeatFields(const std::vector<SeatField>& seats, const std::string& group,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    std::optional<std::size_t> failure;
    const char* failureText = nullptr;
    const auto fail = [&](std::size_t field, const char* text) {
        failure = field;
        failureText = text;
    };
    const std::size_t groupField = seats.size();
    const std::string letter = NormaliseGroupCell(group);
    std::vector<std::optional<int>> values;
    for (const SeatField& seat : seats)
        values.push_back(ReadPairCell(seat.Text));

    for (std::size_t i = 0; i < seats.size(); ++i)
        if (values[i].value_or(1) == 0)
            fail(i, seats[i].Empty);
    if (letter.empty())
        fail(groupField, "Spelgroep niet ingevuld ");
    // A number that cannot be read names no pair or player either.
    for (std::size_t i = 0; i < seats.size(); ++i)
        if (!values[i] || *values[i] > counts.Pairs)
            fail(i, seats[i].Unknown);
    if (!letter.empty()) {
        const int value = BoardGroupValue(static_cast<std::uint8_t>(letter.front()));
        if (value < 1 || value > counts.BoardGroups)
            fail(groupField, "Spelgroep niet correct ");
    }
    if (!failure)
        return std::nullopt;
    dialogs.error(FileErrorText(failureText, FileError::InvalidValue, Hint::CorrectInput));
    dialogs.beep();
    return failure;
}

} // namespace

std::optional<EditField> CheckEditFields(const std::string& ns, const std::string& ew,
                                         const std::string& group, const ScheduleCounts& counts,
                                         Dialogs& dialogs) {
    const auto failure = CheckSeatFields({{ns, "NZ Paar niet ingevuld ", "NZ paar bestaat niet "},
                                          {ew, "OW Paar niet ingevuld ", "OW paar bestaat niet "}},
                                         group, counts, dialogs);
    if (!failure)
        return std::nullopt;
    return static_cast<EditField>(*failure);
}

std::optional<PlayerEditField> CheckPlayerEditFields(const std::string& n, const std::string& o,
                                                     const std::string& z, const std::string& w,
                                                     const std::string& group, const ScheduleCounts& counts,
                                                     Dialogs& dialogs) {
    const auto failure = CheckSeatFields({{n, "N Speler niet ingevuld ", "N Speler bestaat niet "},
                                          {o, "O Speler niet ingevuld ", "O Speler bestaat niet "},
                                          {z, "Z Speler niet ingevuld ", "Z Speler bestaat niet "},
                                          {w, "W Speler niet ingevuld ", "W Speler bestaat niet "}},
                                         group, counts, dialogs);
    if (!failure)
        return std::nullopt;
    return static_cast<PlayerEditField>(*failure);
}

} // namespace velk
