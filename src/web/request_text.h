#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The texts a browser sends that the admin reads itself: form bodies, query strings and cookies.

using FormPairs = std::vector<std::pair<std::string, std::string>>;

// The fields of a form body (application/x-www-form-urlencoded) or of a query string, in their order;
// nothing when a name or value is malformed percent-encoding, holds a NUL or a control character other
// than a tab or line end, or is not UTF-8: such a request is refused whole.
std::optional<FormPairs> ParseFormText(std::string_view text);

// The value of the first field of that name.
std::optional<std::string> FormValue(const FormPairs& pairs, std::string_view name);

// The value of a cookie in a Cookie header ("a=1; b=2").
std::optional<std::string> CookieValue(std::string_view header, std::string_view name);
