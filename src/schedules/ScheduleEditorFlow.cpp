#include "schedules/ScheduleEditorFlow.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "schedules/SchedulesFolder.h"

namespace velk {

int WrapStep(int current, int delta, int last) {
    if (last < 1)
        return current;
    current += delta;
    if (current > last)
        return 1;
    if (current < 1)
        return last;
    return current;
}

namespace {
// A file choice in "Schemas"; nothing when the folder cannot be used.
std::optional<FileChoice> InSchedulesFolder(const char* title, const char* filter, const std::string& name,
                                            Dialogs& dialogs) {
    const auto folder = SchedulesFolder(dialogs);
    if (!folder)
        return std::nullopt;
    FileChoice choice;
    choice.title = title;
    choice.filter = filter;
    choice.initialPath = *folder + "/" + name;
    return choice;
}
} // namespace

std::optional<std::string> ChooseBaseScheduleToChange(const ScheduleCounts& known, Dialogs& dialogs) {
    const std::string name = known.Rounds > 0 && known.Pairs > 0
                                 ? std::to_string(known.Rounds) + "*" + std::to_string(known.Pairs) + "*.*"
                                 : std::string("*.*");
    const auto choice = InSchedulesFolder("Schema Lezen", "Schema bestand (*.*)|*.*", name, dialogs);
    return choice ? dialogs.openFileName(*choice) : std::nullopt;
}

EditorClosing ConfirmClosing(const WholeCheckResult& check, Dialogs& dialogs,
                             const std::function<std::optional<std::string>()>& saveAs) {
    EditorClosing closing;
    if (!check.Passed) {
        dialogs.error(" Schema niet correct, wordt niet bewaard");
        if (dialogs.askYesNo("Doorgaan met Schema inlezen ?")) {
            closing.Round = check.Round;
            closing.Table = check.Table;
            return closing;
        }
        dialogs.warning("Schema niet correct en niet bewaard");
        closing.Close = true;
        return closing;
    }
    if (dialogs.askYesNo("Schema opslaan in map Schema`s"))
        if (auto path = saveAs())
            closing.SavedPath = *path;
    closing.Close = true;
    return closing;
}

std::optional<std::string> SaveBaseScheduleAs(Dialogs& dialogs, ErrorCode& errorCode,
                                              const std::function<bool(const std::string&)>& write) {
    auto choice = InSchedulesFolder("Schema Bewaren", "Schema file (*.ws0)|*.WS0|Special file (*.*)|*.*",
                                    "*.*", dialogs);
    if (!choice)
        return std::nullopt;
    choice->defaultExtension = "ws0";
    const auto path = dialogs.saveFileName(*choice);
    if (!path)
        return std::nullopt;
    dialogs.information("Bridge Schema bestand\rRedSchema, Bewaren van\r" + FileNameOf(*path));
    if (!write(*path)) {
        // A failed write is reported rather than passed over in silence.
        ShowFileError(dialogs, errorCode, FileNameOf(*path), FileError::WriteFailed, Hint::TryAgain);
        return std::nullopt;
    }
    return path;
}

} // namespace velk
