#include "simfiles/calendar_file.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/text_mode.h"
#include "platform/track_name_prompt.h"
#include "platform/unicode.h"
#include "platform/windows_1252.h"

#include <algorithm>

namespace {

// Each read of the calendar takes at most this many characters, up to and including a line end.
constexpr size_t lineReadLimit = 253;
constexpr size_t trackIdColumn = 13;
constexpr size_t trackIdLength = 8;
constexpr const char* dictionarySection = "TRACKS";
// Room for as many characters as the Track Error dialog takes, so a name it accepts reads back whole.
constexpr size_t dictionaryBufferSize = 81;

} // namespace

CCalendarFile::CCalendarFile(std::string path) : m_fileName(std::move(path)) {
    Read();
}

void CCalendarFile::Read() {
    // Read only: a read-only calendar still lists its tracks.
    FileReadResult file = ReadFileBytes(m_fileName);
    if (file.cause != CauseNone) {
        m_fileError = file.cause;
        m_errorText = "The following error occurred while trying to open the calendar file (" + m_fileName +
                      ")\n\n" + FileCauseText(m_fileName, file.cause);
        return;
    }
    std::string text = TextModeRead(file.bytes);
    SimulatorText encoding(text);
    for (const std::string& line : LimitedLineReads(text, lineReadLimit)) {
        if (line.empty())
            break;
        KeepLine(line, encoding);
    }
}

void CCalendarFile::KeepLine(const std::string& line, const SimulatorText& encoding) {
    if (line.rfind("SNAME", 0) == 0)
        return;
    if (line.find("XXXXXXXX") == trackIdColumn)
        return;
    m_trackLines.push_back(encoding.ToUtf8(line));
    ++m_trackCount;
}

std::string CCalendarFile::GetTrackId(int index) const {
    if (index < 0 || index >= m_trackCount)
        return "";
    const std::string& line = m_trackLines[static_cast<size_t>(index)];
    size_t idStart = Utf8CharacterOffset(line, trackIdColumn);
    std::string id = line.substr(idStart, Utf8CharacterOffset(line, trackIdColumn + trackIdLength) - idStart);
    id = id.substr(0, id.find(' '));
    size_t last = id.find_last_not_of(" \t\r\n\v\f");
    return last == std::string::npos ? "" : id.substr(0, last + 1);
}

std::string CCalendarFile::TrackName(int index, ProfileFile& dictionary, FileFailure& storeFailure) const {
    std::string id = GetTrackId(index);
    std::string name = dictionary.GetString(dictionarySection, id, "", dictionaryBufferSize);
    if (!name.empty())
        return Utf8FromStored(name);
    name = AskTrackName(index + 1, id, SimulatorName());
    storeFailure = WritePrivateProfileString(dictionarySection, id, name, dictionary.Path());
    // As the file now holds it, for a later entry of the same track.
    if (storeFailure.cause == CauseNone)
        dictionary.SetString(dictionarySection, id, name);
    return name;
}

std::vector<std::string> CCalendarFile::GetTrackNames() const {
    // Read once for the whole listing, not once for every track.
    ProfileFile dictionary(GetProgramFolder() + DictionaryFileName());
    std::vector<std::string> names;
    bool told = false;
    for (int index = 0; index < m_trackCount; ++index) {
        FileFailure failure;
        names.push_back(TrackName(index, dictionary, failure));
        if (failure.cause != CauseNone && !told) {
            ShowFileFailure(dictionary.Path(), failure);
            told = true;
        }
    }
    return names;
}
