#include "web/admin_security.h"

#include "platform/letter_case.h"

void AddSecurityHeaders(HttpResponse& response, bool storable) {
    response.headers.insert(response.headers.end(),
                            {{"Content-Security-Policy",
                              "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                              "connect-src 'self'; form-action 'self'; base-uri 'none'; "
                              "frame-ancestors 'none'"},
                             {"X-Frame-Options", "DENY"},
                             {"X-Content-Type-Options", "nosniff"},
                             {"Referrer-Policy", "same-origin"},
                             {"Cache-Control", storable ? "no-cache" : "no-store"}});
}

bool OriginIsOurs(const HttpRequest& request) {
    if (request.origin.empty())
        return true;
    size_t scheme = request.origin.find("://");
    if (scheme == std::string::npos || request.host.empty())
        return false;
    std::string authority = request.origin.substr(scheme + 3);
    return authority.find('/') == std::string::npos && SameWithoutCase(authority, request.host);
}

std::string SessionCookie(const std::string& id, bool https) {
    return std::string(SessionCookieName) + "=" + id + "; HttpOnly; SameSite=Strict" +
           (https ? "; Secure" : "");
}

std::string EndedSessionCookie(bool https) {
    return std::string(SessionCookieName) + "=; Max-Age=0; HttpOnly; SameSite=Strict" +
           (https ? "; Secure" : "");
}

HttpResponse SeeOther(const std::string& relative) {
    HttpResponse response;
    response.status = 303;
    response.contentType = "text/plain; charset=utf-8";
    response.headers = {{"Location", relative}};
    return response;
}
