#include "platform/profile_file.h"

#include "platform/file_system.h"
#include "platform/leading_integer.h"
#include "platform/letter_case.h"
#include "platform/windows_1252.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string Folded(std::string_view text) {
    return LowerCase(std::string(Trim(text)));
}

// The value of a key line; a NUL ends it, as it ends a Windows string, unless kept for a reader that
// must tell such a value from one that really ends there.
std::string ValueOf(std::string_view line, bool keepNul = false) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    size_t nul = keepNul ? std::string_view::npos : value.find('\0');
    if (nul != std::string_view::npos)
        value = Trim(value.substr(0, nul));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// A line end inside a key or a value would end the line early and let the rest pass for a key or a
// section of its own.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

} // namespace

ProfileFile::Line::Line(std::string lineText, std::string lineEnd)
    : text(std::move(lineText)), end(std::move(lineEnd)) {
    std::string_view trimmed = Trim(text);
    if (!trimmed.empty() && trimmed[0] == '[') {
        size_t close = trimmed.find(']');
        kind = Kind::Header;
        name =
            Folded(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    } else if (!trimmed.empty() && trimmed[0] == ';') {
        kind = Kind::Comment;
    } else if (size_t equals = text.find('='); equals != std::string::npos) {
        kind = Kind::Key;
        name = Folded(std::string_view(text).substr(0, equals));
    } else if (trimmed.empty()) {
        kind = Kind::Blank;
    }
}

ProfileFile::ProfileFile(std::string path) : m_path(std::move(path)) {
    FileReadResult read = ReadFileBytes(m_path);
    m_readCause = read.cause;
    if (read.cause != CauseNone)
        return;
    if (read.bytes.starts_with(utf8ByteOrderMark))
        m_byteOrderMark = utf8ByteOrderMark;
    bool endSeen = false;
    size_t start = m_byteOrderMark.size();
    m_lines.reserve(static_cast<size_t>(std::count(read.bytes.begin(), read.bytes.end(), '\n')) + 1);
    while (start < read.bytes.size()) {
        size_t feed = read.bytes.find('\n', start);
        if (feed == std::string::npos) {
            m_lines.emplace_back(read.bytes.substr(start), "");
            break;
        }
        size_t textEnd = feed > start && read.bytes[feed - 1] == '\r' ? feed - 1 : feed;
        Line line(read.bytes.substr(start, textEnd - start), read.bytes.substr(textEnd, feed + 1 - textEnd));
        if (!endSeen) {
            m_lineEnd = line.end;
            endSeen = true;
        }
        m_lines.push_back(std::move(line));
        start = feed + 1;
    }
}

std::optional<ProfileFile::Range> ProfileFile::FindSection(const std::string& section, size_t from) const {
    std::string wanted = Folded(section);
    for (size_t i = from; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Line::Kind::Header || m_lines[i].name != wanted)
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != Line::Kind::Header)
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> ProfileFile::FindKey(const Range& range, const std::string& key) const {
    std::string wanted = Folded(key);
    for (size_t i = range.header + 1; i < range.end; ++i) {
        if (m_lines[i].kind == Line::Kind::Key && m_lines[i].name == wanted)
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Find(const std::string& section, const std::string& key) const {
    std::optional<Range> range = FindSection(section);
    if (!range)
        return std::nullopt;
    std::optional<size_t> line = FindKey(*range, key);
    if (!line)
        return std::nullopt;
    return ValueOf(m_lines[*line].text);
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, size_t bufferSize) const {
    return StoredPrefix(Find(section, key).value_or(defaultValue), bufferSize == 0 ? 0 : bufferSize - 1);
}

int ProfileFile::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
    std::optional<std::string> value = Find(section, key);
    if (!value || value->empty())
        return defaultValue;
    return LeadingInteger(*value);
}

ProfileFile::Entries ProfileFile::SectionEntries(const std::string& section) const {
    Entries entries;
    std::optional<Range> range = FindSection(section);
    if (!range)
        return entries;
    std::unordered_set<std::string> seen;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::Key && seen.insert(line.name).second)
            entries.emplace_back(line.name, ValueOf(line.text, true));
    }
    return entries;
}

void ProfileFile::TerminateLastLine() {
    if (!m_lines.empty() && m_lines.back().end.empty())
        m_lines.back().end = m_lineEnd;
}

void ProfileFile::SetString(const std::string& section, const std::string& key, const std::string& value) {
    std::string keyLine = OneLine(key) + "=" + OneLine(value);
    std::optional<Range> range = FindSection(section);
    if (!range) {
        AppendLines({Line("[" + OneLine(section) + "]", m_lineEnd), Line(keyLine, m_lineEnd)});
        return;
    }
    if (std::optional<size_t> line = FindKey(*range, key)) {
        // The key keeps the spelling it has in the file.
        std::string& text = m_lines[*line].text;
        text = text.substr(0, text.find('=')) + "=" + OneLine(value);
        return;
    }
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && m_lines[insertAt - 1].kind == Line::Kind::Blank)
        --insertAt;
    if (m_lines[insertAt - 1].end.empty())
        m_lines[insertAt - 1].end = m_lineEnd;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line(keyLine, m_lineEnd));
}

void ProfileFile::RemoveSection(const std::string& section) {
    while (std::optional<Range> range = FindSection(section)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    }
}

std::vector<ProfileFile::Line> ProfileFile::SectionLines(const std::string& section,
                                                         const Entries& entries) const {
    std::vector<Line> lines;
    lines.emplace_back("[" + OneLine(section) + "]", m_lineEnd);
    for (const auto& [key, value] : entries)
        lines.emplace_back(OneLine(key) + "=" + OneLine(value), m_lineEnd);
    return lines;
}

void ProfileFile::AppendLines(const std::vector<Line>& lines) {
    TerminateLastLine();
    if (!m_lines.empty() && m_lines.back().kind != Line::Kind::Blank)
        m_lines.emplace_back("", m_lineEnd);
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
}

void ProfileFile::ReplaceSection(const std::string& section, const Entries& entries) {
    std::vector<Line> lines = SectionLines(section, entries);
    std::optional<Range> range = FindSection(section);
    if (!range) {
        AppendLines(lines);
        return;
    }
    // Blank lines and comments that end the old section stay where they were, before the next one.
    size_t keepFrom = range->end;
    while (keepFrom > range->header + 1 && (m_lines[keepFrom - 1].kind == Line::Kind::Blank ||
                                            m_lines[keepFrom - 1].kind == Line::Kind::Comment))
        --keepFrom;
    if (keepFrom == m_lines.size() && m_lines.back().end.empty())
        lines.back().end.clear();
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(keepFrom));
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header), lines.begin(), lines.end());
    size_t after = range->header + lines.size();
    while (std::optional<Range> duplicate = FindSection(section, after)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(duplicate->header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(duplicate->end));
    }
}

std::string ProfileFile::Text() const {
    std::string text = m_byteOrderMark;
    for (const Line& line : m_lines)
        text += line.text + line.end;
    return text;
}

FileFailure ProfileFile::Save() const {
    if (m_readCause != CauseNone && m_readCause != CauseFileNotFound)
        return {m_readCause, FileStep::Open, 0};
    return WriteFileAtomically(m_path, Text());
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, size_t bufferSize,
                                    const std::string& path) {
    return ProfileFile(path).GetString(section, key, defaultValue, bufferSize);
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& path) {
    return ProfileFile(path).GetInt(section, key, defaultValue);
}

FileFailure WritePrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) {
    ProfileFile file(path);
    file.SetString(section, key, value);
    return file.Save();
}

FileFailure RemovePrivateProfileSection(const std::string& section, const std::string& path) {
    ProfileFile file(path);
    file.RemoveSection(section);
    return file.Save();
}
