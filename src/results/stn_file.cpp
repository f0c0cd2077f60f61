#include "results/stn_file.h"

#include "platform/leading_integer.h"
#include "platform/text_mode.h"
#include "platform/windows_1252.h"

namespace {

// Each read takes at most this many characters, up to and including the line end.
constexpr size_t lineReadLimit = 88;
constexpr size_t titleStart = 10;

bool Holds(const std::string& line, const char* words) {
    return line.find(words) != std::string::npos;
}

// The 1-based columns first to last of the line; what lies beyond its end is empty.
std::string Columns(const std::string& line, size_t first, size_t last) {
    return first <= line.size() ? line.substr(first - 1, last - first + 1) : "";
}

int NumberColumns(const std::string& line, size_t first, size_t last) {
    return LeadingInteger(Columns(line, first, last));
}

} // namespace

CStnFile::CStnFile(std::string fileName) : CStandingsFile(std::move(fileName)) {
    std::string text = ReadText();
    SimulatorText encoding(text);
    // Lines and columns count the file's characters, one byte each; values become UTF-8 once cut out.
    for (const std::string& line : LimitedLineReads(text, lineReadLimit)) {
        if (line.size() > 1)
            ReadLine(line, encoding);
    }
}

void CStnFile::ReadLine(const std::string& line, const SimulatorText& encoding) {
    std::string text = encoding.ToUtf8(line);
    if (Holds(line, "Race Final")) {
        m_track = Trimmed(encoding.ToUtf8(line.substr(titleStart)));
    } else if (Holds(line, "miles") && Holds(line, "laps")) {
        m_laps = Trimmed(text);
    } else if (line[1] >= '0' && line[1] <= '9') {
        AddDriverLine(line, encoding);
    } else if (Holds(line, "Race time")) {
        m_raceTime = text;
    } else if (Holds(line, "Average speed")) {
        m_averageSpeed = text;
    } else if (Holds(line, "Margin of victory")) {
        m_margin = text;
    } else if (Holds(line, "Caution flags")) {
        m_cautions = text;
    } else if (Holds(line, "# of lead changes")) {
        m_leadChanges = text;
    } else if (Holds(line, "Weather -")) {
        size_t caret = text.find('^');
        m_weather = caret == std::string::npos ? " degrees " + text
                                               : text.substr(0, caret) + " degrees " + text.substr(caret + 1);
    }
}

void CStnFile::AddDriverLine(const std::string& line, const SimulatorText& encoding) {
    STNDRIVER& driver = AddDriver();
    driver.Finish = NumberColumns(line, 1, 2);
    driver.Start = NumberColumns(line, 5, 6);
    driver.Car = NumberColumns(line, 9, 11);
    driver.Name = encoding.ToUtf8(TrimmedRight(Columns(line, 14, 40)));
    driver.LapsCompleted = NumberColumns(line, 42, 44);
    driver.LapsLed = NumberColumns(line, 47, 49);
    driver.Points = NumberColumns(line, 53, 55);
    driver.Qualifying = encoding.ToUtf8(Trimmed(Columns(line, 58, 69)));
    driver.Out = encoding.ToUtf8(TrimmedRight(Columns(line, 71, 82)));
}
