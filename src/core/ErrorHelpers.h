#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"

#include <string>

namespace velk {

// Error prefix of `code` followed by `text`, as an error; keeps the first error in `errorCode`.
void ShowError(Dialogs& dialogs, ErrorCode& errorCode, const std::string& text, int code);

// `subject` followed by the file-error suffix of `code`, a line break and the hint, as an error.
void ShowFileError(Dialogs& dialogs, ErrorCode& errorCode, const std::string& subject, int code, int hint);

// The text ShowFileError shows, for callers that need it without a dialog.
std::string FileErrorText(const std::string& subject, int code, int hint);

// A stop message of the new-file wizard (information, OK).
void ShowStop(Dialogs& dialogs, const std::string& text);

} // namespace velk
