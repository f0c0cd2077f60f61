#include "web/http_server.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Port 0: the system picks a free one, which the server then tells.
ListenAddress AnyLoopbackPort() {
    ListenAddress address;
    sockaddr_in socket4{};
    socket4.sin_family = AF_INET;
    socket4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::memcpy(&address.socket, &socket4, sizeof socket4);
    address.length = sizeof socket4;
    address.loopback = true;
    return address;
}

int Connect(unsigned short port) {
    int client = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval wait{15, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    EXPECT_EQ(connect(client, reinterpret_cast<sockaddr*>(&server), sizeof server), 0);
    return client;
}

std::string ReadAll(int client) {
    std::string answer;
    char buffer[4096];
    ssize_t got;
    while ((got = read(client, buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<size_t>(got));
    close(client);
    return answer;
}

// Sends a whole request and reads the answer until the server closes.
std::string Exchange(unsigned short port, const std::string& request) {
    int client = Connect(port);
    EXPECT_EQ(write(client, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    return ReadAll(client);
}

class HttpServerTest : public ::testing::Test {
protected:
    void Start(HttpLimits limits = {}) {
        std::string reason;
        server = HttpServer::Start(
            AnyLoopbackPort(), std::nullopt,
            [this](const HttpRequest& request) {
                ++handled;
                seen = request;
                HttpResponse answer;
                answer.body = "<p>" + request.path + "</p>";
                answer.headers = {{"X-Content-Type-Options", "nosniff"}};
                return answer;
            },
            reason, limits);
        ASSERT_NE(server, nullptr) << reason;
        serving = std::thread([this] { server->Serve([this] { return stop.load(); }); });
    }

    ~HttpServerTest() override {
        stop = true;
        if (serving.joinable())
            serving.join();
    }

    std::unique_ptr<HttpServer> server;
    std::atomic<bool> stop = false;
    std::thread serving;
    std::atomic<int> handled = 0;
    HttpRequest seen;
};

} // namespace

TEST_F(HttpServerTest, ARequestReachesTheHandlerWholeAndItsAnswerGoesBack) {
    Start();
    std::string body = "host_name=Oval+Nights&csrf=abc";
    std::string answer =
        Exchange(server->Port(), "POST /settings/server?tab=2 HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                 "Origin: http://127.0.0.1:8640\r\nCookie: a=1; quorva=xyz\r\n"
                                 "Content-Type: application/x-www-form-urlencoded\r\n"
                                 "Connection: close\r\nContent-Length: " +
                                     std::to_string(body.size()) + "\r\n\r\n" + body);
    EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u) << answer;
    EXPECT_NE(answer.find("X-Content-Type-Options: nosniff\r\n"), std::string::npos);
    EXPECT_NE(answer.find("\r\n\r\n<p>/settings/server</p>"), std::string::npos);
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.body, body);
    EXPECT_EQ(seen.query, (FormPairs{{"tab", "2"}}));
    EXPECT_EQ(seen.cookies, "a=1; quorva=xyz");
    EXPECT_EQ(seen.origin, "http://127.0.0.1:8640");
    EXPECT_EQ(seen.client, "127.0.0.1");
}

// Refused before the handler: a body beyond the limit, whether announced or sent in chunks, and a query
// holding a NUL or text that is not UTF-8.
TEST_F(HttpServerTest, TooLargeBodiesAndUnreadableQueriesNeverReachTheHandler) {
    HttpLimits limits;
    limits.largestBody = 1000;
    Start(limits);
    struct Row {
        const char* name;
        std::string request;
        const char* status;
    };
    std::string chunk = "3e8\r\n" + std::string(1000, 'a') + "\r\n1\r\nb\r\n0\r\n\r\n";
    const Row rows[] = {
        {"announced", "POST / HTTP/1.1\r\nHost: h\r\nContent-Length: 1001\r\n\r\n" + std::string(1001, 'a'),
         "HTTP/1.1 413"},
        {"huge length", "POST / HTTP/1.1\r\nHost: h\r\nContent-Length: 99999999999999999999\r\n\r\n",
         "HTTP/1.1 4"},
        {"chunked", "POST / HTTP/1.1\r\nHost: h\r\nTransfer-Encoding: chunked\r\n\r\n" + chunk,
         "HTTP/1.1 413"},
        {"nul in query", "GET /?a=%00 HTTP/1.1\r\nHost: h\r\n\r\n", "HTTP/1.1 400"},
        {"not utf-8", "GET /?a=%FF HTTP/1.1\r\nHost: h\r\n\r\n", "HTTP/1.1 400"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string answer = Exchange(server->Port(), row.request);
        EXPECT_EQ(answer.rfind(row.status, 0), 0u) << answer.substr(0, 80);
    }
    EXPECT_EQ(handled, 0);
    std::string exact = "POST / HTTP/1.1\r\nHost: h\r\nConnection: close\r\nContent-Length: 1000\r\n\r\n";
    EXPECT_EQ(Exchange(server->Port(), exact + std::string(1000, 'a')).rfind("HTTP/1.1 200", 0), 0u);
}

// A client that trickles its request a byte at a time is never idle, yet is closed once its request
// has taken twice the idle time; the server goes on answering others.
TEST_F(HttpServerTest, ASlowClientIsClosedAndOthersAreStillServed) {
    HttpLimits limits;
    limits.idleSeconds = 1;
    Start(limits);
    int slow = Connect(server->Port());
    auto started = std::chrono::steady_clock::now();
    std::atomic<bool> closed = false;
    std::thread trickle([&] {
        const std::string request = "GET / HTTP/1.1\r\nHost: h\r\nX-Padding: " + std::string(100, 'a');
        for (char c : request) {
            if (send(slow, &c, 1, MSG_NOSIGNAL) != 1) {
                closed = true;
                return;
            }
            std::this_thread::sleep_for(200ms);
        }
    });
    EXPECT_EQ(Exchange(server->Port(), "GET /other HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n")
                  .rfind("HTTP/1.1 200", 0),
              0u);
    ReadAll(slow);
    auto held = std::chrono::steady_clock::now() - started;
    trickle.join();
    EXPECT_LT(held, 4s);
    EXPECT_TRUE(closed);
    EXPECT_EQ(handled, 1);
}
