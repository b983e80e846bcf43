// velk-cli publish: the results site of a session.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "hands/dds/DdsSolver.h"
#include "reports/ResultsSite.h"

#include <iostream>

namespace velk::cli {

int RunPublish(const Args& raw) {
    const ArgParser args(raw, {"session"});
    if (args.positional().size() != 2 || !args.unknown({}).empty()) {
        std::cerr << UsageOf("publish");
        return 2;
    }
    OpenCompetition open(false, CompanionFiles::SchedulesAndScores);
    open.readOnly();
    if (const int status = open.OpenNamed(args))
        return status;
    const std::string& folder = args.positional()[1];
    DdsSolver solver;
    if (!PublishResultsSite(open.club, open.dialogs, folder, &solver))
        return 1;
    std::cout << "website geschreven in " << folder << '\n';
    return 0;
}

} // namespace velk::cli
