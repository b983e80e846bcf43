#include "cli/CliDialogs.h"

#include "core/MessageDialogRules.h"

namespace velk::cli {

int CliDialogs::messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int) {
    std::cerr << MessageLines(text) << '\n';
    if (kind == MessageKind::Error || kind == MessageKind::Warning)
        ++errors_;
    if (buttons & (Button::Ja | Button::Nee))
        return answerYes_ ? Result::Yes : Result::No;
    // Abort / Retry / Ignore: --yes goes on past the report, else the operation stops.
    if (buttons & Button::Negeren)
        return answerYes_ ? Result::Ignore : Result::Abort;
    return Result::OK;
}

} // namespace velk::cli
