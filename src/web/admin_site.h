#pragma once

#include "web/http_server.h"
#include "web/login_throttle.h"
#include "web/session_store.h"

#include <functional>
#include <string>
#include <vector>

// What a page of the admin is handed: the request, its form fields (a POST's body, already read and
// checked for its CSRF token) and the session's token for the forms it shows.
struct PageRequest {
    const HttpRequest& http;
    const FormPairs& form;
    const std::string& csrfToken;
};

// A page at its path ("/" the home page), shown by GET and changed by POST (none: the page only shows).
struct AdminRoute {
    std::string path;
    std::function<HttpResponse(const PageRequest&)> show;
    std::function<HttpResponse(const PageRequest&)> change;
};

// The admin's door: its own style sheet and script for anyone, the login page, and every other page only
// for a session. A change needs a POST from a page of this server (its Origin, when the browser gives
// one) carrying the session's CSRF token. Every answer carries the security headers.
class AdminSite {
public:
    using Clock = std::chrono::steady_clock;

    struct Hands {
        // The password hash the settings file holds now: a new one ends every session.
        std::function<std::string()> passwordHash;
        // A line for the log: each failed login is told in one fixed form that fail2ban can match.
        std::function<void(const std::string&)> log;
        std::function<Clock::time_point()> now = [] { return Clock::now(); };
    };

    AdminSite(bool https, Hands hands, std::vector<AdminRoute> routes);

    HttpResponse Handle(const HttpRequest& request);

private:
    HttpResponse Route(const HttpRequest& request);
    HttpResponse LogIn(const HttpRequest& request);

    bool m_https;
    Hands m_hands;
    std::vector<AdminRoute> m_routes;
    SessionStore m_sessions;
    LoginThrottle m_throttle;
};

// The line that a failed login writes, with the client's address.
std::string FailedLoginLine(const std::string& client);
