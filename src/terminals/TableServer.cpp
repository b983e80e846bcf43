#include "terminals/TableServer.h"

#include "terminals/PhonePage.h"

#include <httplib.h>
#include <openssl/ssl.h>
#include <sys/socket.h>

namespace velk::terminals {

namespace {
constexpr std::size_t kMaxHeaders = 32;
// A phone's browser keeps its connection, and so a worker, between polls: enough workers for
// every phone of a big evening, and an idle connection let go soon.
constexpr std::size_t kWorkers = 64;
constexpr int kKeepAliveSeconds = 2;
// cpp-httplib listens with a backlog of 5: the phones of a room connecting at once would have
// their connections dropped and retried seconds later.
constexpr int kBacklog = 128;
} // namespace

struct TableServer::Impl {
    std::unique_ptr<httplib::Server> http;
    int listening = -1; // the socket being bound
};

namespace {

// Loads the club's certificate and key into the TLS context; false with the Dutch reason.
bool LoadCertificate(SSL_CTX& context, const TlsFiles& tls, std::string& problem) {
    SSL_CTX_set_min_proto_version(&context, TLS1_2_VERSION);
    SSL_CTX_set_options(&context, SSL_OP_NO_COMPRESSION);
    if (SSL_CTX_use_certificate_chain_file(&context, tls.certificate.c_str()) != 1)
        problem = "Certificaat niet te lezen: " + tls.certificate;
    else if (SSL_CTX_use_PrivateKey_file(&context, tls.key.c_str(), SSL_FILETYPE_PEM) != 1)
        problem = "Sleutel niet te lezen of past niet bij het certificaat: " + tls.key;
    else if (SSL_CTX_check_private_key(&context) != 1)
        problem = "Sleutel past niet bij het certificaat: " + tls.key;
    return problem.empty();
}

} // namespace

TableServer::TableServer(TableTerminals& terminals) : terminals_(terminals), impl_(std::make_unique<Impl>()) {
    impl_->http = std::make_unique<httplib::Server>();
    route();
}

TableServer::TableServer(TableTerminals& terminals, const TlsFiles& tls)
    : terminals_(terminals), impl_(std::make_unique<Impl>()), secure_(true) {
    impl_->http = std::make_unique<httplib::SSLServer>(
        [&](SSL_CTX& context) { return LoadCertificate(context, tls, problem_); });
    if (problem_.empty() && !impl_->http->is_valid())
        problem_ = "Beveiligde verbinding niet te starten";
    route();
}

void TableServer::route() {
    httplib::Server& http = *impl_->http;
    http.set_payload_max_length(kMaxBodyLength);
    http.set_read_timeout(5, 0);
    http.set_write_timeout(5, 0);
    http.set_idle_interval(0, 100000);
    http.set_keep_alive_max_count(100);
    http.set_keep_alive_timeout(kKeepAliveSeconds);
    http.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    // The head and the body of an answer go out as two writes: without this the body waits for
    // the phone's delayed acknowledgement, 40 ms on Linux.
    http.set_tcp_nodelay(true);
    http.set_socket_options([this](socket_t socket) {
        httplib::default_socket_options(socket);
        impl_->listening = socket;
    });
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
        TableResponse out{503, "{\"error\":\"Server bezig; probeer het opnieuw\"}"};
        run([&] { out = terminals_.handle(in, WrongPinLimit::Clock::now()); });
        res.status = out.status;
        res.set_header("Cache-Control", "no-store");
        res.set_content(out.body, "application/json");
    };
    // The phones' page: fixed paths, served from memory.
    for (const PhoneAsset& asset : PhoneAssets())
        http.Get(ExactPathPattern(asset.path), [&asset](const httplib::Request&, httplib::Response& res) {
            for (const auto& [name, value] : PhonePageHeaders())
                res.set_header(std::string(name), std::string(value));
            res.set_content(std::string(asset.body), std::string(asset.contentType));
        });
    http.Get("/uitslag",
             [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/uitslag/"); });
    http.Get("/uitslag/(.*)", [this](const httplib::Request& req, httplib::Response& res) {
        std::optional<SiteFile> page;
        if (site_ != nullptr && req.matches.size() == 2 &&
            !run([&] { page = site_->page(req.matches[1].str(), LiveResultsSite::Clock::now()); })) {
            res.status = 503;
            res.set_content("Server bezig; probeer het opnieuw", "text/plain; charset=utf-8");
            return;
        }
        if (!page) {
            res.status = 404;
            res.set_content("Pagina niet gevonden", "text/plain; charset=utf-8");
            return;
        }
        res.set_header("Cache-Control", "no-cache");
        res.set_content(page->content, SiteContentType(page->name));
    });
    http.Get("/api/v1/.*", api);
    http.Put("/api/v1/.*", api);
    // Nothing else is served: no path names a file.
    http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            res.set_content("{\"error\":\"Niet gevonden\"}", "application/json");
    });
}

bool TableServer::run(const std::function<void()>& work) {
    if (runner_)
        return runner_(work);
    std::lock_guard<std::mutex> hold(lock_);
    work();
    return true;
}

TableServer::~TableServer() {
    stop();
}

int TableServer::bind(const std::string& address, int port) {
    const int bound = port == 0 ? impl_->http->bind_to_any_port(address)
                                : (impl_->http->bind_to_port(address, port) ? port : -1);
    // Listening again on the bound socket only sets the longer backlog.
    if (bound > 0 && impl_->listening >= 0)
        ::listen(impl_->listening, kBacklog);
    return bound;
}

void TableServer::start() {
    thread_ = std::thread([this] { impl_->http->listen_after_bind(); });
}

void TableServer::stop() {
    impl_->http->stop();
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
