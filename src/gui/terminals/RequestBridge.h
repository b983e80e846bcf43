#pragma once

#include "terminals/TableTerminals.h"

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Carries the table server's requests from its threads to the thread this object lives on (the
// GUI thread, which owns the club) and the answers back. A request waits a bounded time; one not
// answered by then, or still waiting when the bridge closes, gets 503.
class RequestBridge : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<velk::terminals::TableResponse(const velk::terminals::TableRequestIn&)>;

    // `answer` runs on this object's thread.
    explicit RequestBridge(Answer answer, QObject* parent = nullptr);
    ~RequestBridge() override;

    // Called on a server thread: the answer, or 503 after `wait` or when closed.
    velk::terminals::TableResponse handle(const velk::terminals::TableRequestIn& request);
    // Fails every waiting request and every later one; call before the server's threads are
    // joined, as their requests would wait for this thread.
    void close();
    void setWait(std::chrono::milliseconds wait) { wait_ = wait; }
    // Requests handed over and not yet answered.
    int pending() const;

    static velk::terminals::TableResponse Busy();

private:
    struct Call;
    void answer(const std::shared_ptr<Call>& call);

    Answer answer_;
    std::chrono::milliseconds wait_{5000};
    mutable std::mutex lock_;
    std::condition_variable answered_;
    std::vector<std::shared_ptr<Call>> calls_;
    bool closed_ = false;
};
