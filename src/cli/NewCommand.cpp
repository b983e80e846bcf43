// velk-cli new: a competition or drive file made as the new-file wizard makes it.
#include "cli/ArgParser.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/UsageTexts.h"
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "club/CompetitionData.h"
#include "club/NewFileWizard.h"

#include <iostream>

namespace velk::cli {
namespace {

// The wizard's windows answered from the command line.
class CliWizardHost : public WizardHost {
public:
    CliWizardHost(Club& club, Dialogs& dialogs, const ArgParser& args)
        : club_(club), dialogs_(dialogs), args_(args) {}

    bool showStep(int, bool& useMemberNames) override {
        useMemberNames = false;
        return true;
    }
    bool editCompetitionData() override {
        ConfigDialogModel model(club_, dialogs_, true);
        const std::pair<const char*, int> fields[] = {
            {"name", FieldName},         {"pairs", FieldPairs},
            {"groups", FieldGroups},     {"competitions", FieldCompetitions},
            {"sessions", FieldSessions}, {"tables", FieldTables},
            {"pct1", FieldPctOneSub},    {"pct2", FieldPctTwoSubs},
        };
        for (const auto& [name, field] : fields)
            if (const auto v = args_.value(name))
                model.text[static_cast<std::size_t>(field)] = *v;
        if (const auto mode = args_.value("mode")) {
            const std::string m = *mode;
            model.scoringIndex = m == "butler" ? 1 : m == "crossimp" ? 2 : m == "enkel" ? 3 : 0;
        }
        if (const auto n = args_.value("neuberg"))
            model.neubergIndex = *n == "niet" ? 0 : *n == "0" ? 1 : 2;
        if (args_.has("topintegraal"))
            model.calcIndex = 1;
        if (args_.has("contracts"))
            model.useContracts = true;
        return model.accept() && model.commit();
    }
    void showPairWindow() override {}
    void openPairSelection() override {}
    bool chooseSession() override { return true; }
    bool readSchedule() override { return false; }
    void openOptionsSettings() override {}

private:
    Club& club_;
    Dialogs& dialogs_;
    const ArgParser& args_;
};

} // namespace

int RunNew(const Args& raw) {
    const ArgParser args(raw, {"name", "pairs", "groups", "competitions", "sessions", "tables", "pct1",
                               "pct2", "mode", "neuberg"});
    const auto unknown = args.unknown({"drive", "topintegraal", "contracts", "yes", "no"});
    if (args.positional().size() != 1 || !unknown.empty()) {
        std::cerr << UsageOf("new");
        return 2;
    }
    SystemClock clock;
    CliDialogs dialogs(args.answerYes());
    dialogs.savePath = args.positional()[0];
    Club club;
    CompanionLists companions(dialogs);
    club.Companions = &companions;
    ClubFile file(club, dialogs, clock);
    CliWizardHost host(club, dialogs, args);
    NewFileWizard wizard(club, file, dialogs, host);
    const bool competition = !args.has("drive");
    if (!wizard.run(competition) || club.ClubFilePath.empty() || club.ClubFilePath == "*.dba")
        return 1;
    std::cout << club.ClubFilePath << '\n';
    return 0;
}

} // namespace velk::cli
