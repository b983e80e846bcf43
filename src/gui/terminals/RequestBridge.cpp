#include "gui/terminals/RequestBridge.h"

#include <QMetaObject>
#include <algorithm>

struct RequestBridge::Call {
    const std::function<void()>* work = nullptr;
    bool taken = false;  // this thread is doing it
    bool failed = false; // closed before it was done
    bool done = false;
};

RequestBridge::RequestBridge(QObject* parent) : QObject(parent) {}

RequestBridge::~RequestBridge() {
    close();
}

bool RequestBridge::run(const std::function<void()>& work) {
    auto call = std::make_shared<Call>();
    call->work = &work;
    std::unique_lock<std::mutex> hold(lock_);
    if (closed_)
        return false;
    calls_.push_back(call);
    // The call holds only the shared state: a bridge gone meanwhile drops the event unanswered.
    QMetaObject::invokeMethod(
        this, [this, call] { answer(call); }, Qt::QueuedConnection);
    bool done = answered_.wait_for(hold, wait_, [&] { return call->done; });
    // Work under way is short (no window, no question): the phone gets its answer rather than a
    // 503 for an entry that was kept all the same.
    if (!done && call->taken) {
        answered_.wait(hold, [&] { return call->done; });
        done = true;
    }
    calls_.erase(std::remove(calls_.begin(), calls_.end(), call), calls_.end());
    if (!done || call->failed) {
        // Too late: the work is dropped, not done after the phone was told 503.
        call->done = true;
        return false;
    }
    return true;
}

void RequestBridge::answer(const std::shared_ptr<Call>& call) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (call->done)
            return;
        call->taken = true;
    }
    // Done without the lock, so that the server's other threads are not held meanwhile; the
    // waiting thread keeps `work` alive until it hears done.
    (*call->work)();
    std::lock_guard<std::mutex> hold(lock_);
    call->done = true;
    answered_.notify_all();
}

void RequestBridge::close() {
    std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
    for (const auto& call : calls_)
        if (!call->done && !call->taken) {
            call->failed = true;
            call->done = true;
        }
    answered_.notify_all();
}

int RequestBridge::pending() const {
    std::lock_guard<std::mutex> hold(lock_);
    return static_cast<int>(calls_.size());
}
