// velk-cli cards: the printable table cards of a session, with each table's address and PIN.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/ServedSession.h"
#include "cli/UsageTexts.h"
#include "terminals/LanAddress.h"
#include "terminals/TableCards.h"
#include "terminals/cards/TableCardsPdf.h"

#include <iostream>

namespace velk::cli {

namespace {

// Where the phones find the server when it is started on the club's network at its usual port.
std::string DefaultServerUrl() {
    const std::string address = terminals::FirstLanAddress();
    if (address.empty())
        std::cerr << "Geen netwerkadres gevonden; de kaarten wijzen naar deze computer zelf\n";
    return "http://" + (address.empty() ? std::string("127.0.0.1") : address) + ":8080/";
}

} // namespace

int RunCards(const Args& raw) {
    const ArgParser args(raw, {"session", "url"});
    const auto& pos = args.positional();
    if (pos.size() != 2 || !args.unknown({"yes", "no"}).empty()) {
        std::cerr << UsageOf("cards");
        return 2;
    }
    std::string url;
    if (const auto given = args.value("url")) {
        const auto checked = terminals::TableServerUrl(*given);
        if (!checked) {
            std::cerr << "--url: geen adres van de vorm http://ADRES:POORT/: " << *given << '\n';
            return 2;
        }
        url = *checked;
    }
    int session = 0;
    if (args.value("session") && !args.intValue("session", session))
        return 2;

    // The cards change none of the competition's files; only the session's PINs may be made.
    OpenCompetition competition(args.answerYes());
    competition.readOnly();
    if (!competition.Open(pos[0], session))
        return 1;
    ServedSession served(competition, pos[0]);
    if (!served.ready() || !served.keepPins(false))
        return 1;
    if (url.empty())
        url = DefaultServerUrl();
    const auto& tables = served.terminals().tables();
    std::string problem;
    if (!terminals::WriteTableCards(terminals::TableCardsFor(competition.club, tables, url), pos[1],
                                    problem)) {
        std::cerr << problem << '\n';
        return 1;
    }
    std::cerr << tables.size() << " tafelkaarten voor " << url << " in " << pos[1] << '\n';
    return 0;
}

} // namespace velk::cli
