#include "cli/CliDialogs.h"

#include <algorithm>

namespace velk::cli {

int CliDialogs::messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int) {
    std::string line = text;
    // The dialogs break lines with "\r"; a terminal wants "\n".
    std::replace(line.begin(), line.end(), '\r', '\n');
    std::cerr << line << '\n';
    if (kind == MessageKind::Error || kind == MessageKind::Warning)
        ++errors_;
    if (buttons & (Button::Ja | Button::Nee))
        return answerYes_ ? Result::Yes : Result::No;
    return Result::OK;
}

} // namespace velk::cli
