#include "web/admin_page.h"

#include "results/html_escape.h"

namespace {

std::string Head(const std::string& title) {
    return "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
           "content=\"width=device-width, initial-scale=1\"><title>" +
           HtmlEscape(title) + " - Quorva</title><link rel=\"stylesheet\" href=\"admin.css\"></head>\n";
}

const char* const pages[][2] = {
    {"./", "Home"},
    {"running", "Running"},
    {"schedule", "Schedule"},
    {"server", "Server settings"},
    {"timing", "Timing"},
    {"default-race", "Default race"},
    {"unattended", "Unattended running"},
    {"files", "File locations"},
};

} // namespace

std::string CsrfField(const std::string& csrfToken) {
    return "<input type=\"hidden\" name=\"csrf\" value=\"" + HtmlEscape(csrfToken) + "\">";
}

std::string AdminPage(const std::string& title, const std::string& body, const std::string& csrfToken) {
    std::string page = Head(title) + "<body><nav>";
    for (const auto& [href, name] : pages)
        page += std::string("<a href=\"") + href + "\"" + (title == name ? " aria-current=\"page\"" : "") +
                ">" + name + "</a>";
    page += "<form method=\"post\" action=\"logout\">" + CsrfField(csrfToken) +
            "<button type=\"submit\">Log out</button></form></nav>\n<main><h1>" + HtmlEscape(title) +
            "</h1>" + body + "</main></body></html>\n";
    return page;
}

std::string LoginPage(const std::string& message) {
    return Head("Log in") + "<body><main class=\"login\"><h1>Quorva</h1>" +
           (message.empty() ? "" : "<p class=\"problem\" role=\"alert\">" + HtmlEscape(message) + "</p>") +
           "<form method=\"post\" action=\"login\"><label for=\"password\">Password</label><input "
           "type=\"password\" id=\"password\" name=\"password\" autocomplete=\"current-password\" required "
           "autofocus><button type=\"submit\">Log in</button></form></main></body></html>\n";
}
