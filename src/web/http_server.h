#pragma once

#include "web/listen_address.h"
#include "web/request_text.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the admin needs of one request: read whole, within the limits, before it is handled.
struct HttpRequest {
    std::string method;
    std::string path;
    FormPairs query;
    std::string body;
    std::string cookies; // the Cookie header
    std::string origin;  // the Origin header, empty when the browser sent none
    std::string host;    // the Host header
    std::string contentType;
    std::string client; // the client's address, as an address text
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// A request too large, or with malformed text in its query, gets its refusal without reaching the
// handler.
using HttpHandler = std::function<HttpResponse(const HttpRequest&)>;

struct HttpsFiles {
    std::string certificate; // PEM text
    std::string key;         // PEM text
};

// What a client may take of the server, so that slow or greedy clients cannot lock the operator out: a
// connection that sends nothing for idleSeconds, or takes twice that for one request, is closed.
struct HttpLimits {
    size_t largestBody = 64 * 1024;
    unsigned connections = 256;
    unsigned connectionsPerAddress = 32;
    unsigned idleSeconds = 5;
};

// Listens from Start until it is destroyed, and answers requests on the thread that calls Serve, so the
// handler runs where the program's records are (core/app_state.h).
class HttpServer {
public:
    // Listens at the address, over HTTPS when files are given; nothing, with the reason, when it cannot.
    static std::unique_ptr<HttpServer> Start(const ListenAddress& address,
                                             const std::optional<HttpsFiles>& https, HttpHandler handler,
                                             std::string& reason, HttpLimits limits = {});
    ~HttpServer();

    // Answers requests until done() holds, which is asked at least four times a second.
    void Serve(const std::function<bool()>& done);
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // The port listened on (the one asked for, or the one the system chose for port 0).
    unsigned short Port() const;

    struct Daemon;

private:
    explicit HttpServer(std::unique_ptr<Daemon> daemon);

    std::unique_ptr<Daemon> m_daemon;
};
