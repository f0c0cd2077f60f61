#include "platform/local_time.h"

std::string FormatLocalTime(std::time_t moment, const char* pattern) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    char text[128];
    size_t length = std::strftime(text, sizeof text, pattern, &parts);
    return std::string(text, length);
}
