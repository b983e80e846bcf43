#pragma once

#include "terminals/LiveResultsSite.h"
#include "terminals/TableTerminals.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace velk::terminals {

// The certificate (PEM, with its chain) and private key a club gives for HTTPS.
struct TlsFiles {
    std::string certificate;
    std::string key;
};

// The table server on a socket: HTTP with its limits around TableTerminals, one request at a
// time through it. The HTTP library stays behind this class.
class TableServer {
public:
    explicit TableServer(TableTerminals& terminals);
    // HTTPS with the club's certificate; check ready() after.
    TableServer(TableTerminals& terminals, const TlsFiles& tls);
    ~TableServer();
    TableServer(const TableServer&) = delete;
    TableServer& operator=(const TableServer&) = delete;

    // False with problem() (in Dutch) when the certificate or key could not be used.
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    bool secure() const { return secure_; }
    // Also answers /uitslag/ with the session's results site as it stands; before start().
    void serveResults(LiveResultsSite& site) { site_ = &site; }

    // Binds to `address` and `port` (0: any free port); the port bound, -1 when it failed.
    int bind(const std::string& address, int port);
    // Answers requests on a thread of its own until stop().
    void start();
    void stop();
    // Saves under the lock the requests take; false when the score file could not be written.
    bool save(bool onlyWhenChanged);

private:
    struct Impl;
    void route();
    TableTerminals& terminals_;
    std::mutex lock_;
    std::unique_ptr<Impl> impl_;
    LiveResultsSite* site_ = nullptr;
    std::string problem_;
    bool secure_ = false;
    std::thread thread_;
};

} // namespace velk::terminals
