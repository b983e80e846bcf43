#include "gui/terminals/RequestBridge.h"

#include <QMetaObject>
#include <algorithm>

using velk::terminals::TableRequestIn;
using velk::terminals::TableResponse;

struct RequestBridge::Call {
    TableRequestIn request;
    TableResponse response;
    bool taken = false; // this thread is answering it
    bool done = false;
};

RequestBridge::RequestBridge(Answer answer, QObject* parent) : QObject(parent), answer_(std::move(answer)) {}

RequestBridge::~RequestBridge() {
    close();
}

TableResponse RequestBridge::Busy() {
    return {503, R"({"error":"Server bezig; probeer het opnieuw"})"};
}

TableResponse RequestBridge::handle(const TableRequestIn& request) {
    auto call = std::make_shared<Call>();
    call->request = request;
    std::unique_lock<std::mutex> hold(lock_);
    if (closed_)
        return Busy();
    calls_.push_back(call);
    // The call holds only the shared state: a bridge gone meanwhile drops the event unanswered.
    QMetaObject::invokeMethod(
        this, [this, call] { answer(call); }, Qt::QueuedConnection);
    bool done = answered_.wait_for(hold, wait_, [&] { return call->done; });
    // An answer under way is short (no window, no question): the phone gets it rather than a 503
    // for an entry that was kept all the same.
    if (!done && call->taken) {
        answered_.wait(hold, [&] { return call->done; });
        done = true;
    }
    calls_.erase(std::remove(calls_.begin(), calls_.end(), call), calls_.end());
    if (!done) {
        // Too late: the request is dropped, not carried out after the phone was told 503.
        call->done = true;
        return Busy();
    }
    return call->response;
}

void RequestBridge::answer(const std::shared_ptr<Call>& call) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (call->done)
            return;
        call->taken = true;
    }
    // Answered without the lock, so that the server's other threads are not held meanwhile.
    TableResponse response = answer_(call->request);
    std::lock_guard<std::mutex> hold(lock_);
    if (call->done)
        return;
    call->response = std::move(response);
    call->done = true;
    answered_.notify_all();
}

void RequestBridge::close() {
    std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
    for (const auto& call : calls_)
        if (!call->done) {
            call->response = Busy();
            call->done = true;
        }
    answered_.notify_all();
}

int RequestBridge::pending() const {
    std::lock_guard<std::mutex> hold(lock_);
    return static_cast<int>(calls_.size());
}
