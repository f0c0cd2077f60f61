#include "web/http_server.h"

#include <arpa/inet.h>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <map>
#include <microhttpd.h>
#include <mutex>
#include <sys/socket.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// What one request has sent so far.
struct Upload {
    std::string body;
    bool tooLarge = false;
};

std::string ClientAddress(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (info == nullptr || info->client_addr == nullptr)
        return "";
    char text[INET6_ADDRSTRLEN] = "";
    const sockaddr* address = info->client_addr;
    if (address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    else if (address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, sizeof text);
    return text;
}

std::string Header(MHD_Connection* connection, const char* name) {
    const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value == nullptr ? "" : value;
}

MHD_Result CollectQuery(void* cls, MHD_ValueKind, const char* key, size_t keySize, const char* value,
                        size_t valueSize) {
    auto* query = static_cast<std::string*>(cls);
    // Put back together as the browser sent it, so that our own reading decides what is acceptable.
    if (!query->empty())
        *query += '&';
    static const char hex[] = "0123456789ABCDEF";
    auto append = [query](const char* text, size_t size) {
        for (size_t k = 0; k < size; ++k) {
            auto byte = static_cast<unsigned char>(text[k]);
            *query += '%';
            *query += hex[byte >> 4];
            *query += hex[byte & 15];
        }
    };
    append(key, keySize);
    *query += '=';
    if (value != nullptr)
        append(value, valueSize);
    return MHD_YES;
}

MHD_Result Queue(MHD_Connection* connection, const HttpResponse& answer) {
    MHD_Response* response = MHD_create_response_from_buffer(
        answer.body.size(), const_cast<char*>(answer.body.data()), MHD_RESPMEM_MUST_COPY);
    if (response == nullptr)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.c_str());
    for (const auto& [name, value] : answer.headers)
        MHD_add_response_header(response, name.c_str(), value.c_str());
    MHD_Result queued = MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
    MHD_destroy_response(response);
    return queued;
}

HttpResponse Refusal(int status, const char* text) {
    HttpResponse answer;
    answer.status = status;
    answer.contentType = "text/plain; charset=utf-8";
    answer.body = text;
    answer.headers = {{"Connection", "close"}};
    return answer;
}

} // namespace

struct HttpServer::Daemon {
    HttpHandler handler;
    HttpLimits limits;
    MHD_Daemon* daemon = nullptr;

    // The moment by which each connection's request must have arrived whole; a watcher closes the
    // connections that miss theirs, which the idle timeout alone would not: a byte a second keeps a
    // connection from ever being idle.
    std::mutex mutex;
    std::condition_variable wake;
    std::map<MHD_socket, Clock::time_point> deadlines;
    bool stopping = false;
    std::thread watcher;

    void Watch() {
        std::unique_lock lock(mutex);
        while (!stopping) {
            wake.wait_for(lock, std::chrono::milliseconds(250));
            Clock::time_point now = Clock::now();
            for (auto held = deadlines.begin(); held != deadlines.end();) {
                if (held->second <= now) {
                    shutdown(held->first, SHUT_RDWR);
                    held = deadlines.erase(held);
                } else {
                    ++held;
                }
            }
        }
    }

    void SetDeadline(MHD_Connection* connection) {
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
        if (info == nullptr)
            return;
        std::lock_guard lock(mutex);
        deadlines[info->connect_fd] = Clock::now() + std::chrono::seconds(2 * limits.idleSeconds);
    }

    static void Notify(void* cls, MHD_Connection* connection, void**, MHD_ConnectionNotificationCode code) {
        auto* self = static_cast<Daemon*>(cls);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            self->SetDeadline(connection);
            return;
        }
        // The socket is closed only after this returns, so the watcher never touches a number the system
        // has given to another connection.
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
        if (info == nullptr)
            return;
        std::lock_guard lock(self->mutex);
        self->deadlines.erase(info->connect_fd);
    }

    static MHD_Result Access(void* cls, MHD_Connection* connection, const char* url, const char* method,
                             const char*, const char* uploadData, size_t* uploadSize, void** state) {
        auto* self = static_cast<Daemon*>(cls);
        if (*state == nullptr) {
            auto* upload = new Upload;
            *state = upload;
            std::string length = Header(connection, MHD_HTTP_HEADER_CONTENT_LENGTH);
            size_t announced = 0;
            auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), announced);
            upload->tooLarge = error == std::errc::result_out_of_range ||
                               (error == std::errc() && announced > self->limits.largestBody);
            return MHD_YES;
        }
        auto* upload = static_cast<Upload*>(*state);
        if (*uploadSize != 0) {
            if (!upload->tooLarge && upload->body.size() + *uploadSize <= self->limits.largestBody)
                upload->body.append(uploadData, *uploadSize);
            else
                upload->tooLarge = true;
            *uploadSize = 0;
            return MHD_YES;
        }
        self->SetDeadline(connection);
        if (upload->tooLarge)
            return Queue(connection, Refusal(413, "The request is too large."));
        HttpRequest request;
        std::string query;
        MHD_get_connection_values_n(connection, MHD_GET_ARGUMENT_KIND, CollectQuery, &query);
        std::optional<FormPairs> pairs = ParseFormText(query);
        if (!pairs)
            return Queue(connection, Refusal(400, "The address holds text that cannot be read."));
        request.method = method;
        request.path = url;
        request.query = std::move(*pairs);
        request.body = std::move(upload->body);
        request.cookies = Header(connection, MHD_HTTP_HEADER_COOKIE);
        request.origin = Header(connection, "Origin");
        request.host = Header(connection, MHD_HTTP_HEADER_HOST);
        request.contentType = Header(connection, MHD_HTTP_HEADER_CONTENT_TYPE);
        request.client = ClientAddress(connection);
        return Queue(connection, self->handler(request));
    }

    static void Completed(void*, MHD_Connection*, void** state, MHD_RequestTerminationCode) {
        delete static_cast<Upload*>(*state);
        *state = nullptr;
    }
};

HttpServer::HttpServer(std::unique_ptr<Daemon> daemon) : m_daemon(std::move(daemon)) {}

std::unique_ptr<HttpServer> HttpServer::Start(const ListenAddress& address,
                                              const std::optional<HttpsFiles>& https, HttpHandler handler,
                                              std::string& reason, HttpLimits limits) {
    auto daemon = std::make_unique<Daemon>();
    daemon->handler = std::move(handler);
    daemon->limits = limits;
    unsigned flags = MHD_USE_EPOLL;
    if (address.socket.ss_family == AF_INET6)
        flags |= MHD_USE_IPv6;
    if (https) {
        if (MHD_is_feature_supported(MHD_FEATURE_TLS) != MHD_YES) {
            reason = "This build of libmicrohttpd cannot serve HTTPS.";
            return nullptr;
        }
        flags |= MHD_USE_TLS;
    }
    std::vector<MHD_OptionItem> options = {
        {MHD_OPTION_SOCK_ADDR, 0, const_cast<sockaddr_storage*>(&address.socket)},
        {MHD_OPTION_NOTIFY_COMPLETED, reinterpret_cast<intptr_t>(&Daemon::Completed), nullptr},
        {MHD_OPTION_NOTIFY_CONNECTION, reinterpret_cast<intptr_t>(&Daemon::Notify), daemon.get()},
        {MHD_OPTION_CONNECTION_LIMIT, limits.connections, nullptr},
        {MHD_OPTION_PER_IP_CONNECTION_LIMIT, limits.connectionsPerAddress, nullptr},
        {MHD_OPTION_CONNECTION_TIMEOUT, limits.idleSeconds, nullptr},
    };
    if (https) {
        options.push_back({MHD_OPTION_HTTPS_MEM_CERT, 0, const_cast<char*>(https->certificate.c_str())});
        options.push_back({MHD_OPTION_HTTPS_MEM_KEY, 0, const_cast<char*>(https->key.c_str())});
    }
    options.push_back({MHD_OPTION_END, 0, nullptr});
    daemon->daemon = MHD_start_daemon(flags, 0, nullptr, nullptr, &Daemon::Access, daemon.get(),
                                      MHD_OPTION_ARRAY, options.data(), MHD_OPTION_END);
    if (daemon->daemon == nullptr) {
        reason =
            https
                ? "The web admin could not listen there, or its certificate and key were refused."
                : "The web admin could not listen there (is the address this machine's, and the port free?).";
        return nullptr;
    }
    daemon->watcher = std::thread([raw = daemon.get()] { raw->Watch(); });
    return std::unique_ptr<HttpServer>(new HttpServer(std::move(daemon)));
}

HttpServer::~HttpServer() {
    MHD_stop_daemon(m_daemon->daemon);
    {
        std::lock_guard lock(m_daemon->mutex);
        m_daemon->stopping = true;
    }
    m_daemon->wake.notify_all();
    m_daemon->watcher.join();
}

void HttpServer::Serve(const std::function<bool()>& done) {
    while (!done())
        MHD_run_wait(m_daemon->daemon, 250);
}

unsigned short HttpServer::Port() const {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(m_daemon->daemon, MHD_DAEMON_INFO_BIND_PORT);
    return info == nullptr ? 0 : info->port;
}
