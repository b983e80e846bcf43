#pragma once

#include "terminals/TableTerminals.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace velk::terminals {

// The table server on a socket: HTTP with its limits around TableTerminals, one request at a
// time through it. The HTTP library stays behind this class.
class TableServer {
public:
    explicit TableServer(TableTerminals& terminals);
    ~TableServer();
    TableServer(const TableServer&) = delete;
    TableServer& operator=(const TableServer&) = delete;

    using Handler = std::function<TableResponse(const TableRequestIn&)>;
    // Hands every request to `handler` instead of the terminals under the lock, so that an owner
    // whose data lives on one thread answers it there. Set before start().
    void setHandler(Handler handler) { handler_ = std::move(handler); }
    // Binds to `address` and `port` (0: any free port); the port bound, -1 when it failed.
    int bind(const std::string& address, int port);
    // Answers requests on a thread of its own until stop().
    void start();
    void stop();
    // Saves under the lock the requests take; false when the score file could not be written.
    bool save(bool onlyWhenChanged);

private:
    struct Impl;
    TableTerminals& terminals_;
    std::mutex lock_;
    Handler handler_;
    std::unique_ptr<Impl> impl_;
    std::thread thread_;
};

} // namespace velk::terminals
