#pragma once

#include <gtest/gtest.h>
#include <regex>
#include <string>

// The text of a console log without the time stamp that begins each of its lines; a line without one
// fails the test.
inline std::string WithoutTimeStamps(const std::string& text) {
    static const std::regex stamp(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\] )");
    std::string plain;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(at, end - at);
        EXPECT_TRUE(std::regex_search(line, stamp)) << line;
        plain += std::regex_replace(line, stamp, "");
        at = end;
    }
    return plain;
}
