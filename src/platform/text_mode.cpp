#include "platform/text_mode.h"

#include <algorithm>

namespace {
constexpr char ctrlZ = '\x1A';
}

std::string TextModeRead(const std::string& bytes) {
    size_t end = std::min(bytes.find(ctrlZ), bytes.size());
    std::string text;
    text.reserve(end);
    for (size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\r' && i + 1 < end && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }
    return text;
}

std::string LfToCrLf(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

std::vector<std::string> LimitedLineReads(const std::string& text, size_t limit) {
    std::vector<std::string> reads;
    size_t start = 0;
    while (start < text.size()) {
        // Look for the line end only within this read's reach, so text without line ends reads in
        // time proportional to its size.
        auto from = text.begin() + static_cast<std::ptrdiff_t>(start);
        auto reach = from + static_cast<std::ptrdiff_t>(std::min(limit, text.size() - start));
        auto feed = std::find(from, reach, '\n');
        size_t end = static_cast<size_t>((feed == reach ? reach : feed + 1) - text.begin());
        std::string read = text.substr(start, end - start);
        reads.push_back(read.substr(0, read.find('\0')));
        start = end;
    }
    return reads;
}

std::vector<std::string> LinesBeforeFirstEmpty(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t feed = text.find('\n', start);
        size_t end = feed == std::string::npos ? text.size() : feed;
        if (end == start)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
