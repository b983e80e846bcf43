#include "schedules/ScheduleFieldCheck.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "schedules/ScheduleCells.h"

#include <utility>

namespace velk {

std::optional<EditField> CheckEditFields(const std::string& ns, const std::string& ew,
                                         const std::string& group, const ScheduleCounts& counts,
                                         Dialogs& dialogs) {
    std::optional<std::pair<EditField, const char*>> failure;
    const auto fail = [&](EditField field, const char* text) { failure = std::make_pair(field, text); };
    const auto nsValue = ReadPairCell(ns);
    const auto ewValue = ReadPairCell(ew);
    const std::string letter = NormaliseGroupCell(group);

    if (nsValue.value_or(1) == 0)
        fail(EditField::NS, "NZ Paar niet ingevuld ");
    if (ewValue.value_or(1) == 0)
        fail(EditField::EW, "OW Paar niet ingevuld ");
    if (letter.empty())
        fail(EditField::Group, "Spelgroep niet ingevuld ");
    // A number that cannot be read names no pair either.
    if (!nsValue || *nsValue > counts.Pairs)
        fail(EditField::NS, "NZ paar bestaat niet ");
    if (!ewValue || *ewValue > counts.Pairs)
        fail(EditField::EW, "OW paar bestaat niet ");
    if (!letter.empty()) {
        const int value = BoardGroupValue(static_cast<std::uint8_t>(letter.front()));
        if (value < 1 || value > counts.BoardGroups)
            fail(EditField::Group, "Spelgroep niet correct ");
    }
    if (!failure)
        return std::nullopt;
    dialogs.error(FileErrorText(failure->second, FileError::InvalidValue, Hint::CorrectInput));
    dialogs.beep();
    return failure->first;
}

} // namespace velk
