#include "fuzz_check.h"
#include "platform/unicode.h"
#include "web/request_text.h"

#include <cstdint>
#include <string>

namespace {

bool ReadableText(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
        std::optional<char32_t> character = NextUtf8Character(text, at);
        if (!character || (*character < 0x20 && *character != '\t' && *character != '\r' && *character != '\n'))
            return false;
    }
    return true;
}

} // namespace

// What a browser sends the admin: a form body or query string, and a Cookie header. Every field read
// is text the pages may hold; a cookie found is a part of the header.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (std::optional<FormPairs> pairs = ParseFormText(text))
        for (const auto& [name, value] : *pairs)
            Check(ReadableText(name) && ReadableText(value) && name.find('\0') == std::string::npos);
    for (const char* name : {"quorva_session", "a", ""})
        if (std::optional<std::string> cookie = CookieValue(text, name))
            Check(text.find(*cookie) != std::string::npos);
    return 0;
}
