#include "publish/json.h"

#include "platform/unicode.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr int maxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value, 0))
            return std::nullopt;
        SkipBlanks();
        if (m_at != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    void SkipBlanks() {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool Take(char c) {
        SkipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    bool Value(JsonValue& value, int depth) {
        if (depth > maxDepth)
            return false;
        SkipBlanks();
        if (m_at >= m_text.size())
            return false;
        char c = m_text[m_at];
        if (c == '{')
            return Object(value, depth);
        if (c == '[')
            return Array(value, depth);
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return String(value.text);
        }
        if (c == 't' || c == 'f') {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = c == 't';
            return Word(c == 't' ? "true" : "false");
        }
        if (c == 'n')
            return Word("null");
        value.kind = JsonValue::Kind::Number;
        return Number(value.number);
    }

    bool Object(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Object;
        ++m_at;
        if (Take('}'))
            return true;
        do {
            SkipBlanks();
            std::string name;
            if (m_at >= m_text.size() || m_text[m_at] != '"' || !String(name) || !Take(':'))
                return false;
            value.members.push_back({std::move(name), JsonValue{}});
            if (!Value(value.members.back().value, depth + 1))
                return false;
        } while (Take(','));
        return Take('}');
    }

    bool Array(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Array;
        ++m_at;
        if (Take(']'))
            return true;
        do {
            value.items.emplace_back();
            if (!Value(value.items.back(), depth + 1))
                return false;
        } while (Take(','));
        return Take(']');
    }

    bool Number(double& number) {
        size_t start = m_at;
        while (m_at < m_text.size() &&
               std::string_view("+-0123456789.eE").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
        auto [end, error] = std::from_chars(m_text.data() + start, m_text.data() + m_at, number);
        return start != m_at && error == std::errc() && end == m_text.data() + m_at;
    }

    bool Hex4(char32_t& unit) {
        if (m_text.size() - m_at < 4)
            return false;
        unsigned value = 0;
        auto [end, error] = std::from_chars(m_text.data() + m_at, m_text.data() + m_at + 4, value, 16);
        if (error != std::errc() || end != m_text.data() + m_at + 4)
            return false;
        m_at += 4;
        unit = value;
        return true;
    }

    bool String(std::string& text) {
        ++m_at;
        while (m_at < m_text.size()) {
            char c = m_text[m_at++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (m_at >= m_text.size())
                return false;
            char escape = m_text[m_at++];
            const std::string_view plain = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (size_t at = plain.find(escape); at != std::string_view::npos) {
                text += meant[at];
                continue;
            }
            char32_t unit = 0;
            if (escape != 'u' || !Hex4(unit))
                return false;
            // A high surrogate joins the low one that follows it into one character.
            char32_t low = 0;
            size_t mark = m_at;
            if (unit >= 0xD800 && unit < 0xDC00) {
                if (Word("\\u") && Hex4(low) && low >= 0xDC00 && low < 0xE000)
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                else
                    m_at = mark;
            }
            AppendUtf8(text, unit);
        }
        return false;
    }

    std::string_view m_text;
    size_t m_at = 0;
};

} // namespace

const JsonValue* JsonValue::Find(const std::string& name) const {
    for (const JsonMember& member : members)
        if (member.name == name)
            return &member.value;
    return nullptr;
}

std::string JsonValue::TextOf(const std::string& name, const std::string& fallback) const {
    const JsonValue* value = Find(name);
    return value != nullptr && value->kind == Kind::String ? value->text : fallback;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    return Parser(text).Document();
}

std::string JsonQuoted(const std::string& text) {
    std::string valid = Utf8FromUtf16(Utf16FromUtf8(text));
    std::string quoted = "\"";
    for (char c : valid) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}
