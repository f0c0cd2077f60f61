#pragma once

#include "platform/file_cause.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// An INI file as the Windows profile-string functions see it: sections and keys found without regard
// to case, the first of duplicates winning, values trimmed of blanks and of one pair of enclosing
// quotes. Every line that is not touched is kept byte for byte, line ends included, so comments,
// unknown keys and hand edits survive; so does a UTF-8 byte order mark at the start, which an editor
// may add and which must not hide the first section. Changes are made in memory and stored by Save()
// in one atomic replacement of the file.
class ProfileFile {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;

    // Reads path; a missing file reads as an empty profile.
    explicit ProfileFile(std::string path);

    // The value of key in section, or nothing when either is missing.
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;

    // The value, or defaultValue when missing, cut to bufferSize - 1 characters as a Windows buffer of
    // that size would hold it: characters as StoredLength counts them, never cut inside one.
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          size_t bufferSize) const;

    // The integer that the value's leading sign and digits spell; defaultValue when the value is
    // missing or empty.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;

    // Every key of section once (the first of duplicates) with its value as Find gives it, except that a
    // NUL stays in it so that a damaged value can be told, in the file's order, the keys folded to lower
    // case: a whole section read in one pass.
    Entries SectionEntries(const std::string& section) const;

    // Sets key to value, creating the section and the key when missing.
    void SetString(const std::string& section, const std::string& key, const std::string& value);

    // Removes the section with every line in it.
    void RemoveSection(const std::string& section);

    // Makes the section hold exactly entries, in their order, where the section stood (at the end of
    // the file when it was missing).
    void ReplaceSection(const std::string& section, const Entries& entries);

    // Writes the file. Refuses, with the cause of the failed read, when the file existed but could not
    // be read, so a write never replaces content it did not see.
    FileFailure Save() const;

    const std::string& Path() const { return m_path; }
    // Why the file could not be read: CauseNone when it was, CauseFileNotFound when there is none.
    FileCause ReadCause() const { return m_readCause; }
    std::string Text() const;

private:
    // A line with what it is, decided once: its section or key name is kept folded to lower case.
    struct Line {
        enum class Kind { Other, Blank, Comment, Header, Key };
        Line(std::string lineText, std::string lineEnd);
        std::string text;
        std::string end;
        Kind kind = Kind::Other;
        std::string name;
    };
    struct Range {
        size_t header;
        size_t end;
    };

    std::optional<Range> FindSection(const std::string& section, size_t from = 0) const;
    std::optional<size_t> FindKey(const Range& range, const std::string& key) const;
    void TerminateLastLine();
    void AppendLines(const std::vector<Line>& lines);
    std::vector<Line> SectionLines(const std::string& section, const Entries& entries) const;

    std::string m_path;
    FileCause m_readCause = CauseNone;
    std::string m_byteOrderMark;
    std::vector<Line> m_lines;
    std::string m_lineEnd = "\r\n";
};

// The Windows-style single calls, each reading the file afresh; every write is one atomic replacement.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, size_t bufferSize,
                                    const std::string& path);
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& path);
FileFailure WritePrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path);
FileFailure RemovePrivateProfileSection(const std::string& section, const std::string& path);
