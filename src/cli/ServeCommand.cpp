// velk-cli serve: the table server for the phones, without a window.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/ServedSession.h"
#include "cli/UsageTexts.h"
#include "terminals/LanAddress.h"
#include "terminals/TableServer.h"

#include <csignal>
#include <ctime>
#include <iostream>
#include <memory>

namespace velk::cli {
namespace {

// How often accepted entries reach the score file while the evening runs.
constexpr int kSaveSeconds = 30;

bool Loopback(const std::string& address) {
    return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

} // namespace

int RunServe(const Args& raw) {
    const ArgParser args(raw, {"session", "port", "bind", "cert", "key"});
    const auto& pos = args.positional();
    if (pos.size() != 1 || !args.unknown({"yes", "no", "new-pins"}).empty()) {
        std::cerr << UsageOf("serve");
        return 2;
    }
    int session = 0;
    int port = 8080;
    if ((args.value("session") && !args.intValue("session", session)) ||
        (args.value("port") && !args.intValue("port", port)))
        return 2;
    if (port < 0 || port > 65535) {
        std::cerr << "poort bestaat niet: " << port << '\n';
        return 2;
    }
    const auto certificate = args.value("cert");
    const auto key = args.value("key");
    if (certificate.has_value() != key.has_value()) {
        std::cerr << "--cert en --key horen bij elkaar\n";
        return 2;
    }
    const std::string address = args.value("bind").value_or("127.0.0.1");
    if (!Loopback(address))
        std::cerr << "Let op: de tafelserver is bereikbaar op het netwerk (" << address << ")\n";

    OpenCompetition competition(args.answerYes());
    if (!competition.Open(pos[0], session))
        return 1;
    ServedSession served(competition, pos[0]);
    if (!served.ready())
        return 1;
    terminals::TableTerminals& terminals = served.terminals();
    if (!terminals.leadNotice().empty())
        std::cerr << terminals.leadNotice() << '\n';
    // Entries a crash kept from the score file go into it before any phone is answered.
    const int restored = terminals.restore();
    if (restored < 0) {
        std::cerr << terminals.problem() << '\n';
        return 1;
    }
    if (restored > 0) {
        if (!terminals.save()) {
            std::cerr << terminals.lastMessage() << '\n';
            return 1;
        }
        std::cerr << restored << " invoer(en) uit het journaal hersteld\n";
    }
    // The session's PINs outlive the server, so the phones and the printed cards stay right.
    if (!served.keepPins(args.has("new-pins")))
        return 1;

    // The signals wait for this thread; the server's threads never see them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // The certificate is checked before a port is taken: bad files start no server.
    std::unique_ptr<terminals::TableServer> made =
        certificate
            ? std::make_unique<terminals::TableServer>(terminals, terminals::TlsFiles{*certificate, *key})
            : std::make_unique<terminals::TableServer>(terminals);
    terminals::TableServer& server = *made;
    if (!server.ready()) {
        std::cerr << server.problem() << '\n';
        return 1;
    }
    terminals::LiveResultsSite site(competition.club, served.tables(), &terminals.leads());
    server.serveResults(site);
    const int bound = server.bind(address, port);
    if (bound < 0) {
        std::cerr << "Tafelserver kan niet starten op " << address << ':' << port << '\n';
        return 1;
    }
    // Bound to every interface, the phones need an address of this machine, not 0.0.0.0.
    std::string shown = address;
    if (address == "0.0.0.0" || address == "::")
        if (const std::string lan = terminals::FirstLanAddress(); !lan.empty())
            shown = lan;
    const std::string host = shown.find(':') != std::string::npos ? "[" + shown + "]" : shown;
    std::cout << "URL " << (server.secure() ? "https://" : "http://") << host << ':' << bound << "/\n";
    for (const auto& t : terminals.tables())
        std::cout << "TABLE " << t.label << " PIN " << t.pin << '\n';
    std::cout.flush();
    server.start();

    int status = 0;
    for (;;) {
        const timespec wait{kSaveSeconds, 0};
        const int got = sigtimedwait(&stopSignals, nullptr, &wait);
        if (got == SIGTERM || got == SIGINT)
            break;
        if (!server.save(true)) {
            std::cerr << terminals.lastMessage() << '\n';
            status = 1;
        }
    }
    server.stop();
    if (!server.save(true)) {
        std::cerr << terminals.lastMessage() << '\n';
        return 1;
    }
    return status;
}

} // namespace velk::cli
