#pragma once

#include "web/http_server.h"

#include <string>

// The rules every answer of the admin keeps, whatever page it is.

inline constexpr const char* SessionCookieName = "quorva_session";

// Scripts and styles from the admin itself only, no frames, no sniffing, no referrer to other sites;
// pages with settings are never stored by the browser or a proxy.
void AddSecurityHeaders(HttpResponse& response, bool storable);

// True when the request's Origin, if it has one, names this server as the browser reached it (the Host
// header): a page of another site cannot make the browser change anything here. Behind a reverse proxy
// the proxy must pass the Host header on.
bool OriginIsOurs(const HttpRequest& request);

// The Set-Cookie value that gives the browser its session, and the one that ends it. The cookie's path
// is left to the browser (the folder of the login page), so an admin behind a proxy's sub-path keeps
// its cookie to itself.
std::string SessionCookie(const std::string& id, bool https);
std::string EndedSessionCookie(bool https);

// An answer that sends the browser to a page given relative to the current one.
HttpResponse SeeOther(const std::string& relative);
