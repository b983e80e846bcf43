#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/ScoreTables.h"
#include "terminals/TableProgress.h"
#include "terminals/TableServer.h"

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTimer;
class RequestBridge;
namespace velk::terminals {
class TableTerminals;
} // namespace velk::terminals

// The table server of the desktop program, for the open session: the phones' requests are
// answered on the GUI thread, which owns the club, and what they enter is kept in the score file
// every half minute and at stop, but never while the score window holds typing of its own.
class TableService : public QObject {
    Q_OBJECT
public:
    TableService(velk::Club& club, velk::Dialogs& dialogs, QObject* parent = nullptr);
    ~TableService() override;

    // Starts on `port` (0: any free one) at the bind address; false after the message.
    bool start(int port);
    // Stops answering, then saves what the phones entered; false when that save failed.
    bool stop();
    bool running() const { return server_ != nullptr; }
    int port() const { return port_; }
    // The page the phones open.
    std::string phoneAddress() const;
    // Every interface unless set (a test keeps to 127.0.0.1).
    void setBindAddress(const std::string& address) { bindAddress_ = address; }
    // HTTPS with the club's certificate: asks for the certificate and its key (proposing the last
    // ones); false when either was not chosen.
    bool chooseTls();
    // Plain HTTP again.
    void clearTls() { tls_.reset(); }
    bool secure() const { return tls_.has_value(); }
    // How long a phone's request waits for the GUI thread.
    void setRequestWait(std::chrono::milliseconds wait) { requestWait_ = wait; }
    // Whether the score window holds unsaved typing: the server's save waits for it.
    void setWindowDirty(std::function<bool()> dirty) { windowDirty_ = std::move(dirty); }

    std::vector<velk::terminals::TableProgress> progress();
    // Writes the phones' entries to the score file unless the score window holds typing; true
    // when nothing is left unsaved or the save waits.
    bool save();
    // The score file was written with every accepted entry in it by the score window or
    // "Verwerken": the journal has done its work.
    void scoresWrittenElsewhere();
    // The score window changed the session's scores (typed, or thrown its typing away): the
    // tables' progress is shown anew.
    void scoresChangedElsewhere() { emit changed(); }
    // Writes the session's table cards at `pdfPath`, with the kept PINs and the address the phones
    // open (at `port` while the server is stopped); false after the message.
    bool writeCards(const std::string& pdfPath, int port);
    // The requests waiting for the GUI thread (tests wait for one).
    int pendingRequests() const;

signals:
    // A phone's entry was stored: the score records at these indices of the session changed.
    void entryAccepted(const std::vector<std::size_t>& indices);
    // Started, stopped, or a table moved on.
    void changed();
    // The server wrote the score file.
    void scoreFileWritten();

private:
    // The rules of the open session with its kept PINs; nothing after a message that begins with
    // `failure`.
    std::unique_ptr<velk::terminals::TableTerminals> sessionTerminals(const std::string& failure);
    // Does a request's work and tells what it changed in the session's scores.
    void runWatched(const std::function<void()>& work);
    std::vector<velk::TScoreObj>* sessionRecords();

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::ScoreTables tables_;
    std::unique_ptr<velk::terminals::TableTerminals> terminals_;
    std::unique_ptr<velk::terminals::LiveResultsSite> site_;
    std::unique_ptr<velk::terminals::TableServer> server_;
    RequestBridge* bridge_ = nullptr;
    QTimer* saveTimer_ = nullptr;
    std::string bindAddress_ = "0.0.0.0";
    std::optional<velk::terminals::TlsFiles> tls_;
    std::chrono::milliseconds requestWait_{5000};
    std::function<bool()> windowDirty_;
    int port_ = 0;
    bool saveFailureShown_ = false;
};
