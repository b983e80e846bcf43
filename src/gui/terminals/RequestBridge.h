#pragma once

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Carries the table server's work from its threads to the thread this object lives on (the GUI
// thread, which owns the club). A request waits a bounded time; one not begun by then, or still
// waiting when the bridge closes, is dropped and its phone hears 503 from the server.
class RequestBridge : public QObject {
    Q_OBJECT
public:
    explicit RequestBridge(QObject* parent = nullptr);
    ~RequestBridge() override;

    // Called on a server thread: does `work` on this object's thread; false, and `work` never
    // done, after `wait` or when closed.
    bool run(const std::function<void()>& work);
    // Fails every waiting request and every later one; call before the server's threads are
    // joined, as their requests would wait for this thread.
    void close();
    void setWait(std::chrono::milliseconds wait) { wait_ = wait; }
    // Requests handed over and not yet answered.
    int pending() const;

private:
    struct Call;
    void answer(const std::shared_ptr<Call>& call);

    std::chrono::milliseconds wait_{5000};
    mutable std::mutex lock_;
    std::condition_variable answered_;
    std::vector<std::shared_ptr<Call>> calls_;
    bool closed_ = false;
};
