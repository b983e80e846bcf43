#include "core/ErrorHelpers.h"

#include "core/Messages.h"

namespace velk {

void ShowError(Dialogs& dialogs, ErrorCode& errorCode, const std::string& text, int code) {
    dialogs.messageBox(std::string(ErrorPrefix(code)) + text, MessageKind::Error, Button::OK);
    errorCode.report(static_cast<std::int16_t>(code));
}

std::string FileErrorText(const std::string& subject, int code, int hint) {
    return subject + std::string(FileErrorSuffix(code)) + "\n\r" + std::string(FileErrorHint(hint));
}

void ShowFileError(Dialogs& dialogs, ErrorCode& errorCode, const std::string& subject, int code, int hint) {
    dialogs.messageBox(FileErrorText(subject, code, hint), MessageKind::Error, Button::OK);
    errorCode.report(static_cast<std::int16_t>(code));
}

void ShowStop(Dialogs& dialogs, const std::string& text) {
    dialogs.information(text);
}

} // namespace velk
