#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/CompetitionJson.h"
#include "cli/UsageTexts.h"
#include "core/files/CompetitionFile.h"

#include <iostream>

namespace velk::cli {
namespace {

// Reads the competition file named by the only argument as the program does; the messages of a
// failed read go to standard error.
bool LoadNamedFile(const char* command, const Args& args, CompetitionFileData& data) {
    if (args.size() != 1) {
        std::cerr << UsageOf(command);
        return false;
    }
    CliDialogs dialogs;
    ErrorCode errorCode;
    if (ReadCompetitionFile(args[0], data, dialogs, errorCode))
        return true;
    ReportCompetitionFileError(dialogs, errorCode.value(), args[0]);
    return false;
}

} // namespace

int RunCheck(const Args& args) {
    CompetitionFileData data;
    if (!LoadNamedFile("check", args, data))
        return args.size() == 1 ? 1 : 2;
    std::cout << args[0] << ": " << data.ConfigRecord.Head.PairCount << " paren, " << data.SessionCount()
              << " zittingen\n";
    return 0;
}

int RunDump(const Args& args) {
    CompetitionFileData data;
    if (!LoadNamedFile("dump", args, data))
        return args.size() == 1 ? 1 : 2;
    std::cout << CompetitionFileJson(data, args[0]);
    return std::cout.good() ? 0 : 1;
}

} // namespace velk::cli
