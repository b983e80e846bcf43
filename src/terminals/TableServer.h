#pragma once

#include "terminals/LiveResultsSite.h"
#include "terminals/TableTerminals.h"

#include <functional>
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

    // Runs `work` where the owner's data may be touched; false when it could not in time.
    using Runner = std::function<bool(const std::function<void()>& work)>;
    // Hands every touch of the terminals and the results site to `runner` instead of taking the
    // lock, so that an owner whose data lives on one thread does the work there. Before start().
    void setRunner(Runner runner) { runner_ = std::move(runner); }
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
    // The work under the lock or by the runner; false when the runner could not.
    bool run(const std::function<void()>& work);
    TableTerminals& terminals_;
    std::mutex lock_;
    Runner runner_;
    std::unique_ptr<Impl> impl_;
    LiveResultsSite* site_ = nullptr;
    std::string problem_;
    bool secure_ = false;
    std::thread thread_;
};

} // namespace velk::terminals
