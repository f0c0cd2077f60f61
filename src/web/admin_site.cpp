#include "web/admin_site.h"

#include "web/admin_assets.h"
#include "web/admin_page.h"
#include "web/admin_security.h"
#include "web/password_hash.h"

#include <algorithm>
#include <chrono>

namespace {

HttpResponse Html(int status, std::string body) {
    HttpResponse response;
    response.status = status;
    response.body = std::move(body);
    return response;
}

HttpResponse Plain(int status, std::string body) {
    HttpResponse response = Html(status, std::move(body));
    response.contentType = "text/plain; charset=utf-8";
    return response;
}

bool IsFormBody(const HttpRequest& request) {
    std::string type = request.contentType.substr(0, request.contentType.find(';'));
    return type == "application/x-www-form-urlencoded";
}

} // namespace

std::string FailedLoginLine(const std::string& client) {
    return "Failed web login from " + client;
}

AdminSite::AdminSite(bool https, Hands hands, std::vector<AdminRoute> routes)
    : m_https(https), m_hands(std::move(hands)), m_routes(std::move(routes)) {}

HttpResponse AdminSite::Handle(const HttpRequest& request) {
    bool sheet = request.path == "/admin.css";
    HttpResponse response = sheet ? Html(200, AdminStyleSheet()) : Route(request);
    if (sheet)
        response.contentType = "text/css; charset=utf-8";
    AddSecurityHeaders(response, sheet);
    return response;
}

HttpResponse AdminSite::Route(const HttpRequest& request) {
    bool post = request.method == "POST";
    if (!post && request.method != "GET" && request.method != "HEAD")
        return Plain(405, "Only GET and POST are answered here.");
    if (post && !OriginIsOurs(request))
        return Plain(403, "The request came from a page of another site.");
    if (request.path == "/login")
        return post ? LogIn(request) : Html(200, LoginPage(""));

    std::optional<std::string> id = CookieValue(request.cookies, SessionCookieName);
    std::optional<SessionStore::Session> session;
    if (id)
        session = m_sessions.Find(*id, m_hands.passwordHash(), m_hands.now());
    if (!session)
        return SeeOther(request.path.find('/', 1) == std::string::npos ? "login" : "../login");

    FormPairs form;
    if (post) {
        std::optional<FormPairs> fields = IsFormBody(request) ? ParseFormText(request.body) : std::nullopt;
        if (!fields)
            return Plain(400, "The form holds text that cannot be read.");
        form = std::move(*fields);
        std::optional<std::string> token = FormValue(form, "csrf");
        if (!token || !TokensEqual(*token, session->csrfToken))
            return Plain(403, "The page was out of date or not this server's: reload it and try again.");
        if (request.path == "/logout") {
            m_sessions.Close(session->id);
            HttpResponse out = SeeOther("login");
            out.headers.emplace_back("Set-Cookie", EndedSessionCookie(m_https));
            return out;
        }
    }
    auto route = std::find_if(m_routes.begin(), m_routes.end(),
                              [&request](const AdminRoute& known) { return known.path == request.path; });
    if (route == m_routes.end() || (post && !route->change))
        return Plain(404, "There is no such page.");
    PageRequest page{request, form, session->csrfToken};
    return post ? route->change(page) : route->show(page);
}

HttpResponse AdminSite::LogIn(const HttpRequest& request) {
    Clock::time_point now = m_hands.now();
    Clock::duration wait = m_throttle.WaitLeft(request.client, now);
    if (wait > Clock::duration::zero()) {
        auto seconds = std::chrono::ceil<std::chrono::seconds>(wait).count();
        HttpResponse response =
            Html(429, LoginPage("Too many failed logins from your address: try again in " +
                                std::to_string(seconds) + " seconds."));
        response.headers.emplace_back("Retry-After", std::to_string(seconds));
        return response;
    }
    std::optional<FormPairs> form = IsFormBody(request) ? ParseFormText(request.body) : std::nullopt;
    std::optional<std::string> password = form ? FormValue(*form, "password") : std::nullopt;
    std::string hash = m_hands.passwordHash();
    if (!password || !PasswordMatches(hash, *password)) {
        m_throttle.Failed(request.client, now);
        m_hands.log(FailedLoginLine(request.client));
        return Html(403, LoginPage("Wrong password."));
    }
    m_throttle.Succeeded(request.client);
    SessionStore::Session session = m_sessions.Open(hash, now);
    HttpResponse response = SeeOther("./");
    response.headers.emplace_back("Set-Cookie", SessionCookie(session.id, m_https));
    return response;
}
