#pragma once

#include "core/ErrorCode.h"
#include "core/ProgramFolder.h"
#include "scoring/ScoreTables.h"
#include "support/ScriptedDialogs.h"

namespace velk::test {

// The four data tables as the program reads them from its data folder, read once.
inline const ScoreTables& LoadedScoreTables() {
    static const ScoreTables tables = [] {
        ScriptedDialogs dialogs;
        ErrorCode errorCode;
        return LoadScoreTables(DataFolder(), dialogs, errorCode);
    }();
    return tables;
}

} // namespace velk::test
