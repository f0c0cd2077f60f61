#pragma once

#include <string>

// The frame of every admin page: the head with the admin's own style sheet, the way to every
// page, and the log-out button. Links are relative, so the admin works behind a proxy at any sub-path.

// A page for a signed-in operator; body is HTML already escaped where it holds values.
std::string AdminPage(const std::string& title, const std::string& body, const std::string& csrfToken);

// The login page, with a message above the form (empty: none).
std::string LoginPage(const std::string& message);

// The hidden field that carries the session's CSRF token in every form that changes anything.
std::string CsrfField(const std::string& csrfToken);
