#pragma once

#include <string>

// The text with the characters that HTML gives meaning to written as entities, so that a name from
// the internet shows as text and never becomes markup in the published page.
std::string HtmlEscape(const std::string& text);
