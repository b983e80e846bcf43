// velk-cli session: new, show, set and delete sessions as the session dialog does.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "club/Sessions.h"

#include <iostream>
#include <sstream>

namespace velk::cli {
namespace {

void Usage() {
    std::cerr << UsageOf("session");
}

void PrintSession(const Club& club, int n) {
    const TZitCalcObj& s = club.SessionList[static_cast<std::size_t>(n - 1)];
    std::cout << "zitting=" << s.SessionNr << " competitie=" << s.CompetitionNr << " spellen=" << s.BoardCount
              << " ronden=" << s.RoundCount << " spelgroepen=" << s.BoardGroupCount
              << " eerste=" << int(s.FirstBoardNumber) << " lengte=" << int(s.BoardsPerRound)
              << " datum=" << s.SessionDate.get() << " lijnen=" << s.TwoLines;
    for (int g = 1; g <= club.CompetitionHead.GroupCount && g <= 16; ++g)
        std::cout << ' ' << GroupLetter(g) << '=' << s.GroupPairs[static_cast<std::size_t>(g - 1)] << '/'
                  << s.GroupTables[static_cast<std::size_t>(g - 1)];
    std::cout << '\n';
}

// Puts the parameters of the command line into the dialog's boxes; false for a date the picker
// would not give.
bool FillParameters(const ArgParser& args, SessionDialogModel& model) {
    const std::pair<const char*, int> fields[] = {{"boards", BoardsField},
                                                  {"rounds", RoundsField},
                                                  {"boardgroups", BoardGroupsField},
                                                  {"first", FirstBoardField},
                                                  {"length", GroupLengthField}};
    for (const auto& [name, field] : fields)
        if (const auto v = args.value(name))
            model.text[static_cast<std::size_t>(field)] = *v;
    const auto d = args.value("date");
    return !d || model.setDateText(*d);
}

// "--active A=10/5,B=8/4": pairs and tables in play per group.
bool ApplyActive(const ArgParser& args, Club& club, Dialogs& dialogs) {
    const auto active = args.value("active");
    if (!active)
        return true;
    ActivePairsModel model(club, dialogs);
    std::stringstream items(*active);
    std::string item;
    while (std::getline(items, item, ',')) {
        int pairs = 0, tables = 0;
        char letter = 0;
        if (std::sscanf(item.c_str(), "%c=%d/%d", &letter, &pairs, &tables) != 3) {
            std::cerr << "--active: onleesbaar: " << item << '\n';
            return false;
        }
        const int g = std::toupper(static_cast<unsigned char>(letter)) - 'A' + 1;
        if (g < 1 || g > club.CompetitionHead.GroupCount) {
            std::cerr << "--active: groep bestaat niet: " << letter << '\n';
            return false;
        }
        while (model.group < g)
            model.nextGroup();
        while (model.group > g)
            model.previousGroup();
        model.pairs = pairs;
        model.tables = tables;
    }
    while (model.group < club.CompetitionHead.GroupCount)
        model.nextGroup();
    return model.accept();
}

} // namespace

int RunSession(const Args& raw) {
    const ArgParser args(raw,
                         {"session", "boards", "rounds", "boardgroups", "first", "length", "date", "active"});
    const auto& pos = args.positional();
    if (pos.size() != 2 || !args.unknown({"yes", "no"}).empty()) {
        Usage();
        return 2;
    }
    int session = 0;
    if (!args.intValue("session", session))
        return 2;
    const std::string& action = pos[1];
    OpenCompetition open(args.answerYes());
    if (action == "show")
        open.readOnly();
    if (!open.Open(pos[0], action == "set" || action == "show" ? session : 0))
        return 1;
    Club& club = open.club;
    auto save = [&] { return open.Save(); };

    if (action == "show") {
        for (int n = 1; n <= club.SessionCount(); ++n)
            if (session == 0 || n == session)
                PrintSession(club, n);
        return 0;
    }
    if (action == "delete") {
        return DeleteLastSession(club, open.dialogs, save) ? 0 : 1;
    }
    SessionDialogModel model(club, open.dialogs, save);
    if (action == "new") {
        if (!model.open(SessionDialogModel::NewSession))
            return 1;
    } else if (action == "set") {
        if (session == 0 || !model.open(SessionDialogModel::ChooseSession)) {
            Usage();
            return 2;
        }
        model.sessionBoxText = "Zitting: " + std::to_string(session);
        if (club.IsCompetition && !model.choose())
            return 1;
    } else {
        Usage();
        return 2;
    }
    if (!FillParameters(args, model) || !model.accept() || !ApplyActive(args, club, open.dialogs)) {
        model.cancel();
        model.finish();
        return 1;
    }
    model.finish();
    if (action == "set" && !open.Save())
        return 1;
    if (action == "new" && args.has("active") && !open.Save())
        return 1;
    PrintSession(club, club.CurrentSession);
    return 0;
}

} // namespace velk::cli
