#pragma once

#include <array>
#include <memory>
#include <string>

// The results page's template: six lines of "Quorvahtml.html" in the program's folder. Part 4 is one
// driver's row; the others stand above and below the rows.
struct HTML_TEMPLATE {
    std::array<std::string, 6> Parts;
};

// Made on the first conversion and refilled by each one; parts the file lacks keep their last text.
extern thread_local std::unique_ptr<HTML_TEMPLATE> HtmlTemplate;

// Reads the template file into HtmlTemplate, up to its first empty line. A file that cannot be read
// is told to the operator, leaves the parts as they were and gives false: no page is made from it.
bool LoadHtmlTemplate();
