#include "web/admin_security.h"
#include "web/admin_site.h"
#include "web/password_hash.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

std::string HeaderOf(const HttpResponse& response, const std::string& name) {
    for (const auto& [key, value] : response.headers)
        if (key == name)
            return value;
    return "";
}

class AdminSiteTest : public ::testing::Test {
protected:
    AdminSiteTest() {
        AdminSite::Hands hands;
        hands.passwordHash = [this] { return hash; };
        hands.log = [this](const std::string& line) { logged.push_back(line); };
        hands.now = [this] { return now; };
        AdminRoute page{"/timing",
                        [](const PageRequest& request) {
                            return HttpResponse{200, "text/html", "shown " + request.csrfToken, {}};
                        },
                        [this](const PageRequest& request) {
                            changes.push_back(*FormValue(request.form, "race_delay"));
                            return HttpResponse{200, "text/html", "changed", {}};
                        }};
        site = std::make_unique<AdminSite>(false, hands, std::vector<AdminRoute>{page});
    }

    HttpRequest Request(const std::string& method, const std::string& path, const std::string& body = "") {
        HttpRequest request;
        request.method = method;
        request.path = path;
        request.body = body;
        request.host = "127.0.0.1:8640";
        request.client = "198.51.100.7";
        request.contentType = "application/x-www-form-urlencoded";
        if (!cookie.empty())
            request.cookies = "other=1; " + cookie;
        return request;
    }

    // Logs in and keeps the session's cookie and CSRF token.
    void LogIn() {
        HttpResponse answer = site->Handle(Request("POST", "/login", "password=pit+lane"));
        ASSERT_EQ(answer.status, 303);
        EXPECT_EQ(HeaderOf(answer, "Location"), "./");
        std::string set = HeaderOf(answer, "Set-Cookie");
        EXPECT_NE(set.find("; HttpOnly; SameSite=Strict"), std::string::npos);
        cookie = set.substr(0, set.find(';'));
        token = site->Handle(Request("GET", "/timing")).body.substr(6);
    }

    std::string hash = *HashPassword("pit lane");
    AdminSite::Clock::time_point now{};
    std::vector<std::string> logged;
    std::vector<std::string> changes;
    std::unique_ptr<AdminSite> site;
    std::string cookie;
    std::string token;
};

} // namespace

TEST_F(AdminSiteTest, WithoutASessionEveryPageSendsToTheLoginAndOnlyTheStyleSheetIsServed) {
    for (const char* path : {"/", "/timing", "/nowhere", "/logout"}) {
        for (const char* method : {"GET", "POST"}) {
            SCOPED_TRACE(std::string(method) + " " + path);
            HttpResponse answer = site->Handle(Request(method, path, "race_delay=5"));
            EXPECT_EQ(answer.status, 303);
            EXPECT_EQ(HeaderOf(answer, "Location"), "login");
            EXPECT_EQ(HeaderOf(answer, "Cache-Control"), "no-store");
        }
    }
    cookie = std::string(SessionCookieName) + "=" + std::string(64, 'a');
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 303) << "a forged cookie";
    EXPECT_TRUE(changes.empty());
    HttpResponse sheet = site->Handle(Request("GET", "/admin.css"));
    EXPECT_EQ(sheet.contentType, "text/css; charset=utf-8");
    EXPECT_NE(HeaderOf(sheet, "Content-Security-Policy").find("script-src 'self';"), std::string::npos);
    EXPECT_NE(HeaderOf(sheet, "Content-Security-Policy").find("frame-ancestors 'none'"), std::string::npos);
    EXPECT_EQ(HeaderOf(sheet, "X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(HeaderOf(sheet, "Referrer-Policy"), "same-origin");
}

TEST_F(AdminSiteTest, AChangeNeedsTheSessionsTokenAndAPageOfThisServer) {
    LogIn();
    struct Row {
        const char* name;
        std::string body;
        std::string origin;
        int status;
    };
    const Row rows[] = {
        {"no token", "race_delay=1", "", 403},
        {"wrong token", "race_delay=2&csrf=" + std::string(64, '0'), "", 403},
        {"cut token", "race_delay=3&csrf=" + token.substr(1), "", 403},
        {"foreign origin", "race_delay=4&csrf=" + token, "https://evil.example", 403},
        {"null origin", "race_delay=5&csrf=" + token, "null", 403},
        {"other port", "race_delay=6&csrf=" + token, "http://127.0.0.1:9999", 403},
        {"unreadable body", "race_delay=%FF&csrf=" + token, "", 400},
        {"good without origin", "race_delay=7&csrf=" + token, "", 200},
        {"good with origin", "race_delay=8&csrf=" + token, "http://127.0.0.1:8640", 200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HttpRequest request = Request("POST", "/timing", row.body);
        request.origin = row.origin;
        EXPECT_EQ(site->Handle(request).status, row.status);
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(site->Handle(Request("DELETE", "/timing")).status, 405);
}

TEST_F(AdminSiteTest, ASessionEndsWithLogOutANewPasswordOrTwelveIdleHours) {
    LogIn();
    EXPECT_EQ(site->Handle(Request("POST", "/logout", "csrf=" + token)).status, 303);
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 303);

    LogIn();
    hash = *HashPassword("new one");
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 303);

    hash = *HashPassword("pit lane");
    LogIn();
    now += 11h;
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 200);
    now += 12h;
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 303);
}

TEST_F(AdminSiteTest, FailedLoginsAreLoggedInOneFormAndSlowedDownPerAddress) {
    for (int attempt = 0; attempt < 5; ++attempt)
        EXPECT_EQ(site->Handle(Request("POST", "/login", "password=guess")).status, 403);
    EXPECT_EQ(logged, std::vector<std::string>(5, "Failed web login from 198.51.100.7"));
    HttpResponse held = site->Handle(Request("POST", "/login", "password=pit+lane"));
    EXPECT_EQ(held.status, 429);
    EXPECT_EQ(HeaderOf(held, "Retry-After"), "1");
    EXPECT_EQ(logged.size(), 5u) << "an attempt not heard is not a failure";
    now += 1s;
    LogIn();
    EXPECT_EQ(site->Handle(Request("GET", "/timing")).status, 200);
}
