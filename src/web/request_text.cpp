#include "web/request_text.h"

#include "platform/hex_digit.h"
#include "platform/unicode.h"

namespace {

bool AcceptableText(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        std::optional<char32_t> character = NextUtf8Character(text, at);
        if (!character)
            return false;
        bool control = *character < 0x20 || *character == 0x7F;
        if (control && *character != '\t' && *character != '\r' && *character != '\n')
            return false;
    }
    return true;
}

std::optional<std::string> Decode(std::string_view encoded) {
    std::string text;
    text.reserve(encoded.size());
    for (size_t k = 0; k < encoded.size(); ++k) {
        char c = encoded[k];
        if (c == '+') {
            text += ' ';
        } else if (c == '%') {
            if (k + 2 >= encoded.size())
                return std::nullopt;
            int first = HexDigit(encoded[k + 1]);
            int second = HexDigit(encoded[k + 2]);
            if (first < 0 || second < 0)
                return std::nullopt;
            text += static_cast<char>(first * 16 + second);
            k += 2;
        } else {
            text += c;
        }
    }
    if (!AcceptableText(text))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<FormPairs> ParseFormText(std::string_view text) {
    FormPairs pairs;
    while (!text.empty()) {
        size_t end = text.find('&');
        std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (pair.empty())
            continue;
        size_t equals = pair.find('=');
        std::optional<std::string> name = Decode(pair.substr(0, equals));
        std::optional<std::string> value =
            Decode(equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1));
        if (!name || !value)
            return std::nullopt;
        pairs.emplace_back(std::move(*name), std::move(*value));
    }
    return pairs;
}

std::optional<std::string> FormValue(const FormPairs& pairs, std::string_view name) {
    for (const auto& [key, value] : pairs)
        if (key == name)
            return value;
    return std::nullopt;
}

std::optional<std::string> CookieValue(std::string_view header, std::string_view name) {
    while (!header.empty()) {
        size_t end = header.find(';');
        std::string_view cookie = header.substr(0, end);
        header = end == std::string_view::npos ? std::string_view() : header.substr(end + 1);
        size_t first = cookie.find_first_not_of(' ');
        if (first == std::string_view::npos)
            continue;
        cookie.remove_prefix(first);
        size_t equals = cookie.find('=');
        if (equals != std::string_view::npos && cookie.substr(0, equals) == name)
            return std::string(cookie.substr(equals + 1));
    }
    return std::nullopt;
}
