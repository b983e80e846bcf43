#include "cli/CliDialogs.h"

#include "core/MessageDialogRules.h"

namespace velk::cli {

int CliDialogs::messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int) {
    std::cerr << MessageLines(text) << '\n';
    if (kind == MessageKind::Error || kind == MessageKind::Warning)
        ++errors_;
    // A question whose Ja would stop the work ("Berekening afbreken?") takes its default, Nee:
    // --yes is for granting, not for giving up half-way.
    if (buttons & Button::DefaultNee)
        return Result::No;
    if (buttons & (Button::Ja | Button::Nee))
        return answerYes_ ? Result::Yes : Result::No;
    // Abort / Retry / Ignore: --yes goes on past the report, else the operation stops.
    if (buttons & Button::Negeren)
        return answerYes_ ? Result::Ignore : Result::Abort;
    return Result::OK;
}

} // namespace velk::cli
