#include "gui/terminals/TableService.h"

#include "core/ProgramFolder.h"
#include "gui/terminals/RequestBridge.h"
#include "terminals/EntryJournal.h"
#include "terminals/LanAddress.h"
#include "terminals/LiveResultsSite.h"
#include "terminals/TableCards.h"
#include "terminals/TablePinFile.h"
#include "terminals/TableServer.h"
#include "terminals/TableTerminals.h"
#include "terminals/cards/TableCardsPdf.h"

#include <QTimer>
#include <filesystem>

using namespace velk::terminals;

namespace {
// How often accepted entries reach the score file while the evening runs.
constexpr int kSaveMilliseconds = 30000;
} // namespace

TableService::TableService(velk::Club& club, velk::Dialogs& dialogs, QObject* parent)
    : QObject(parent), club_(club), dialogs_(dialogs) {
    saveTimer_ = new QTimer(this);
    saveTimer_->setInterval(kSaveMilliseconds);
    connect(saveTimer_, &QTimer::timeout, this, [this] { save(); });
}

TableService::~TableService() {
    stop();
}

std::unique_ptr<TableTerminals> TableService::sessionTerminals(const std::string& failure) {
    // The phones enter contracts too: the contract table comes along.
    velk::ErrorCode tableError;
    tables_ = velk::LoadScoreTables(velk::DataFolder(), dialogs_, tableError);
    auto terminals = std::make_unique<TableTerminals>(
        club_, tables_, EntryJournal::PathFor(club_.ClubFilePath, club_.CurrentSession));
    if (!terminals->ready()) {
        dialogs_.error(failure + terminals->problem());
        return nullptr;
    }
    if (!terminals->leadNotice().empty())
        dialogs_.warning(terminals->leadNotice());
    // The session's kept PINs, as on the printed table cards and in velk-cli serve.
    std::string notice, problem;
    if (!TablePinFile(TablePinFile::PathFor(club_.ClubFilePath, club_.CurrentSession))
             .keep(*terminals, false, notice, problem)) {
        dialogs_.error(failure + problem);
        return nullptr;
    }
    if (!notice.empty())
        dialogs_.warning(notice);
    return terminals;
}

bool TableService::chooseTls() {
    const std::string folder = std::filesystem::path(club_.ClubFilePath).parent_path().string();
    const auto certificate =
        dialogs_.openFileName({"Certificaat van de club", "Certificaat (*.pem;*.crt)|*.pem;*.crt", "pem",
                               tls_ ? tls_->certificate : folder});
    if (!certificate)
        return false;
    const auto key =
        dialogs_.openFileName({"Sleutel van het certificaat", "Sleutel (*.pem;*.key)|*.pem;*.key", "pem",
                               tls_ ? tls_->key : folder});
    if (!key)
        return false;
    tls_ = TlsFiles{*certificate, *key};
    return true;
}

bool TableService::start(int port) {
    if (running())
        return true;
    auto terminals = sessionTerminals("Tafelserver kan niet starten:\r");
    if (!terminals)
        return false;
    // The certificate is tried before a port is taken: bad files start no server.
    auto server =
        tls_ ? std::make_unique<TableServer>(*terminals, *tls_) : std::make_unique<TableServer>(*terminals);
    if (!server->ready()) {
        dialogs_.error("Tafelserver kan niet starten:\r" + server->problem());
        return false;
    }
    auto* bridge = new RequestBridge(this);
    bridge->setWait(requestWait_);
    // Every request is done on this thread, which owns the club; what an entry changed is shown.
    server->setRunner([this, bridge](const std::function<void()>& work) {
        return bridge->run([this, &work] { runWatched(work); });
    });
    site_ = std::make_unique<LiveResultsSite>(club_, tables_, &terminals->leads());
    server->serveResults(*site_);
    const int bound = server->bind(bindAddress_, port);
    if (bound < 0) {
        delete bridge;
        dialogs_.error("Tafelserver kan niet starten op poort " + std::to_string(port));
        return false;
    }
    terminals_ = std::move(terminals);
    server_ = std::move(server);
    bridge_ = bridge;
    port_ = bound;
    saveFailureShown_ = false;
    server_->start();
    saveTimer_->start();
    emit changed();
    return true;
}

bool TableService::stop() {
    if (!running())
        return true;
    saveTimer_->stop();
    // A request waiting for this thread would keep the server's threads from ending.
    bridge_->close();
    server_->stop();
    server_.reset();
    site_.reset();
    saveFailureShown_ = false;
    const bool saved = save();
    delete bridge_;
    bridge_ = nullptr;
    terminals_.reset();
    emit changed();
    return saved;
}

std::string TableService::phoneAddress() const {
    return PhoneAddress(bindAddress_, port_, tls_.has_value());
}

std::vector<TableProgress> TableService::progress() {
    if (!terminals_)
        return {};
    return ProgressOf(*terminals_, club_.SessionHead.RoundCount);
}

bool TableService::save() {
    if (!terminals_ || !terminals_->unsaved())
        return true;
    // Never the window's typing behind its back: the journal keeps the phones' entries meanwhile.
    if (windowDirty_ && windowDirty_())
        return true;
    if (!terminals_->save()) {
        if (!saveFailureShown_)
            dialogs_.error(terminals_->lastMessage().empty() ? "Redden van scores mislukt"
                                                             : terminals_->lastMessage());
        saveFailureShown_ = true;
        return false;
    }
    saveFailureShown_ = false;
    emit scoreFileWritten();
    return true;
}

void TableService::scoresWrittenElsewhere() {
    if (terminals_ && !terminals_->savedElsewhere())
        dialogs_.error("Journaal niet te legen: " +
                       EntryJournal::PathFor(club_.ClubFilePath, club_.CurrentSession));
}

bool TableService::writeCards(const std::string& pdfPath, int port) {
    // The cards carry the PINs the server gives, so they come from the same kept PIN file.
    std::unique_ptr<TableTerminals> made;
    TableTerminals* terminals = terminals_.get();
    if (terminals == nullptr) {
        made = sessionTerminals("Geen tafelkaarten:\r");
        if (!made)
            return false;
        terminals = made.get();
    }
    const std::string url = PhoneAddress(bindAddress_, running() ? port_ : port, tls_.has_value());
    std::string problem;
    if (!WriteTableCards(TableCardsFor(club_, terminals->tables(), url), pdfPath, problem)) {
        dialogs_.error(problem);
        return false;
    }
    return true;
}

int TableService::pendingRequests() const {
    return bridge_ ? bridge_->pending() : 0;
}

std::vector<velk::TScoreObj>* TableService::sessionRecords() {
    const auto index = static_cast<std::size_t>(club_.CurrentSession - 1);
    if (club_.CurrentSession < 1 || index >= club_.SessionScoreList.size())
        return nullptr;
    return &club_.SessionScoreList[index].Records;
}

void TableService::runWatched(const std::function<void()>& work) {
    if (!terminals_)
        return;
    std::vector<velk::TScoreObj>* records = sessionRecords();
    std::vector<velk::TScoreObj> before;
    if (records != nullptr)
        before = *records;
    work();
    if (records == nullptr || before.size() != records->size())
        return;
    std::vector<std::size_t> changedRecords;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != (*records)[i])
            changedRecords.push_back(i);
    if (!changedRecords.empty()) {
        emit entryAccepted(changedRecords);
        emit changed();
    }
}
