#include "platform/wine_registry.h"

#include "platform/hex_digit.h"
#include "platform/letter_case.h"
#include "platform/unicode.h"

#include <optional>

namespace {

const std::string wineHeader = "WINE REGISTRY Version 2";

// Escaped wide characters (UTF-16 code units) among the file's own UTF-8 bytes, as UTF-8.
class WideText {
public:
    void Add(unsigned long unit) { m_units += static_cast<char16_t>(unit); }
    void AddByte(char c) {
        Flush();
        m_text += c;
    }
    std::string Text() {
        Flush();
        return m_text;
    }

private:
    void Flush() {
        m_text += Utf8FromUtf16(m_units);
        m_units.clear();
    }
    std::string m_text;
    std::u16string m_units;
};

// One value or key line at a time, with the hex continuation lines that belong to it.
class LineReader {
public:
    explicit LineReader(const std::string& text) : m_text(text) {}

    bool Next(std::string& line) {
        if (m_at >= m_text.size())
            return false;
        size_t end = m_text.find('\n', m_at);
        if (end == std::string::npos)
            end = m_text.size();
        line = m_text.substr(m_at, end - m_at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_at = end + 1;
        return true;
    }

private:
    const std::string& m_text;
    size_t m_at = 0;
};

// The text between the quote at line[at] and its closing quote (or, for a key, up to the closing
// bracket), escapes resolved; at is left after the closing mark. None when the line ends first.
std::optional<std::string> Unescaped(const std::string& line, size_t& at, char close) {
    WideText text;
    while (at < line.size()) {
        char c = line[at++];
        if (c == close)
            return text.Text();
        if (c != '\\') {
            text.AddByte(c);
            continue;
        }
        if (at == line.size())
            return std::nullopt;
        c = line[at++];
        switch (c) {
        case 'a':
            text.Add('\a');
            break;
        case 'b':
            text.Add('\b');
            break;
        case 'e':
            text.Add(0x1B);
            break;
        case 'f':
            text.Add('\f');
            break;
        case 'n':
            text.Add('\n');
            break;
        case 'r':
            text.Add('\r');
            break;
        case 't':
            text.Add('\t');
            break;
        case 'v':
            text.Add('\v');
            break;
        case 'x': {
            unsigned long unit = 0;
            for (int digits = 0; digits < 4 && at < line.size() && HexDigit(line[at]) >= 0; ++digits)
                unit = unit * 16 + static_cast<unsigned long>(HexDigit(line[at++]));
            text.Add(unit);
            break;
        }
        default:
            if (c >= '0' && c <= '7') {
                unsigned long unit = static_cast<unsigned long>(c - '0');
                for (int digits = 1; digits < 3 && at < line.size() && line[at] >= '0' && line[at] <= '7';
                     ++digits)
                    unit = unit * 8 + static_cast<unsigned long>(line[at++] - '0');
                text.Add(unit);
            } else {
                text.AddByte(c);
            }
        }
    }
    return std::nullopt;
}

bool Consume(const std::string& line, size_t& at, const std::string& word) {
    if (line.compare(at, word.size(), word) != 0)
        return false;
    at += word.size();
    return true;
}

// A type number in hex followed by the closing ")" and ":", as in "str(2):" and "hex(7):".
std::optional<unsigned long> TypeNumber(const std::string& line, size_t& at) {
    unsigned long type = 0;
    size_t start = at;
    while (at < line.size() && HexDigit(line[at]) >= 0 && at - start < 8)
        type = type * 16 + static_cast<unsigned long>(HexDigit(line[at++]));
    if (at == start || !Consume(line, at, "):"))
        return std::nullopt;
    return type;
}

// Comma-separated bytes in hex; a line that ends in a backslash goes on in the next line.
std::optional<std::string> HexBytes(std::string line, size_t at, LineReader& lines) {
    std::string bytes;
    for (;;) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == ','))
            ++at;
        if (at == line.size())
            return bytes;
        if (line[at] == '\\' && at + 1 == line.size()) {
            if (!lines.Next(line))
                return std::nullopt;
            at = 0;
            continue;
        }
        if (at + 1 >= line.size() || HexDigit(line[at]) < 0 || HexDigit(line[at + 1]) < 0)
            return std::nullopt;
        bytes += static_cast<char>(HexDigit(line[at]) * 16 + HexDigit(line[at + 1]));
        at += 2;
    }
}

// Texts stored as hex bytes are UTF-16LE; a narrow read gets them in UTF-8.
std::string NarrowText(const std::string& wideBytes) {
    WideText text;
    for (size_t k = 0; k + 1 < wideBytes.size(); k += 2)
        text.Add(static_cast<unsigned char>(wideBytes[k]) |
                 static_cast<unsigned long>(static_cast<unsigned char>(wideBytes[k + 1])) << 8);
    return text.Text();
}

std::optional<RegistryValue> Value(const std::string& line, size_t at, LineReader& lines) {
    RegistryValue value;
    if (Consume(line, at, "\"")) {
        std::optional<std::string> text = Unescaped(line, at, '"');
        if (!text)
            return std::nullopt;
        value.data = *text + '\0';
        return value;
    }
    if (Consume(line, at, "str(")) {
        std::optional<unsigned long> type = TypeNumber(line, at);
        std::optional<std::string> text;
        if (!type || !Consume(line, at, "\"") || !(text = Unescaped(line, at, '"')))
            return std::nullopt;
        value.type = *type;
        value.data = *text + '\0';
        return value;
    }
    if (Consume(line, at, "dword:")) {
        unsigned long number = 0;
        size_t start = at;
        while (at < line.size() && HexDigit(line[at]) >= 0 && at - start < 8)
            number = number * 16 + static_cast<unsigned long>(HexDigit(line[at++]));
        if (at == start)
            return std::nullopt;
        value.type = RegDword;
        for (int k = 0; k < 4; ++k)
            value.data += static_cast<char>((number >> (8 * k)) & 0xFF);
        return value;
    }
    if (Consume(line, at, "hex")) {
        value.type = RegBinary;
        if (Consume(line, at, "(")) {
            std::optional<unsigned long> type = TypeNumber(line, at);
            if (!type)
                return std::nullopt;
            value.type = *type;
        } else if (!Consume(line, at, ":")) {
            return std::nullopt;
        }
        std::optional<std::string> bytes = HexBytes(line, at, lines);
        if (!bytes)
            return std::nullopt;
        bool text = value.type == RegSz || value.type == RegExpandSz || value.type == RegMultiSz;
        value.data = text ? NarrowText(*bytes) : *bytes;
        return value;
    }
    return std::nullopt;
}

// The key's path as the hive is indexed by: lower case, no backslash at either end.
std::string KeyPath(const std::string& name) {
    size_t first = name.find_first_not_of('\\');
    if (first == std::string::npos)
        return "";
    size_t last = name.find_last_not_of('\\');
    return LowerCase(name.substr(first, last - first + 1));
}

} // namespace

RegistryHive ReadWineRegistry(const std::string& text) {
    RegistryHive hive;
    LineReader lines(text);
    std::string line;
    if (!lines.Next(line) || line != wineHeader)
        return hive;
    RegistryValues* key = nullptr;
    while (lines.Next(line)) {
        size_t at = 0;
        if (Consume(line, at, "[")) {
            std::optional<std::string> name = Unescaped(line, at, ']');
            key = name ? &hive[KeyPath(*name)] : nullptr;
            continue;
        }
        if (key == nullptr || line.empty() || (line[0] != '"' && line[0] != '@'))
            continue;
        std::string name;
        if (Consume(line, at, "\"")) {
            std::optional<std::string> quoted = Unescaped(line, at, '"');
            if (!quoted)
                continue;
            name = *quoted;
        } else {
            ++at;
        }
        if (!Consume(line, at, "="))
            continue;
        if (std::optional<RegistryValue> value = Value(line, at, lines))
            (*key)[LowerCase(name)] = *value;
    }
    return hive;
}
