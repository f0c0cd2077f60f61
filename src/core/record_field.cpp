#include "core/record_field.h"

std::string GetRecordField(const std::string& text, char separator, int fieldLimit, int n,
                           const std::string& defaultValue) {
    if (n < 1 || n > fieldLimit || text.empty())
        return defaultValue;
    size_t start = 0;
    for (int skipped = 1; skipped < n; ++skipped) {
        size_t next = text.find(separator, start);
        if (next == std::string::npos)
            return defaultValue;
        start = next + 1;
    }
    size_t end = text.find(separator, start);
    std::string field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return field.empty() ? defaultValue : field;
}
