#include "terminals/TableServer.h"

#include <httplib.h>

namespace velk::terminals {

namespace {
constexpr std::size_t kMaxHeaders = 32;

// Until the phone page comes, the root says what this is.
constexpr const char* kPlaceholderPage =
    "<!DOCTYPE html><html lang=\"nl\"><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width\"><title>Velk tafels</title></head>"
    "<body><h1>Velk tafels</h1><p>De tafelserver draait. De invoerpagina volgt.</p></body></html>";
} // namespace

struct TableServer::Impl {
    httplib::Server http;
};

TableServer::TableServer(TableTerminals& terminals) : terminals_(terminals), impl_(std::make_unique<Impl>()) {
    httplib::Server& http = impl_->http;
    http.set_payload_max_length(kMaxBodyLength);
    http.set_read_timeout(5, 0);
    http.set_write_timeout(5, 0);
    http.set_idle_interval(0, 100000);
    http.set_keep_alive_max_count(100);
    http.set_keep_alive_timeout(5);
    auto api = [this](const httplib::Request& req, httplib::Response& res) {
        if (req.headers.size() > kMaxHeaders || req.path.size() > kMaxPathLength) {
            res.status = 431;
            res.set_content("{\"error\":\"Verzoek te groot\"}", "application/json");
            return;
        }
        TableRequestIn in{req.method, req.path, req.get_header_value("X-Velk-Pin"), req.body,
                          req.remote_addr};
        if (in.pin.size() > 16)
            in.pin = in.pin.substr(0, 16);
        TableResponse out;
        if (handler_) {
            out = handler_(in);
        } else {
            std::lock_guard<std::mutex> hold(lock_);
            out = terminals_.handle(in, WrongPinLimit::Clock::now());
        }
        res.status = out.status;
        res.set_header("Cache-Control", "no-store");
        res.set_content(out.body, "application/json");
    };
    http.Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Cache-Control", "no-store");
        res.set_content(kPlaceholderPage, "text/html; charset=utf-8");
    });
    http.Get("/api/v1/.*", api);
    http.Put("/api/v1/.*", api);
    // Nothing else is served: no path names a file.
    http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            res.set_content("{\"error\":\"Niet gevonden\"}", "application/json");
    });
}

TableServer::~TableServer() {
    stop();
}

int TableServer::bind(const std::string& address, int port) {
    if (port == 0)
        return impl_->http.bind_to_any_port(address);
    return impl_->http.bind_to_port(address, port) ? port : -1;
}

void TableServer::start() {
    thread_ = std::thread([this] { impl_->http.listen_after_bind(); });
}

void TableServer::stop() {
    impl_->http.stop();
    if (thread_.joinable())
        thread_.join();
}

bool TableServer::save(bool onlyWhenChanged) {
    std::lock_guard<std::mutex> hold(lock_);
    if (onlyWhenChanged && !terminals_.unsaved())
        return true;
    return terminals_.save();
}

} // namespace velk::terminals
