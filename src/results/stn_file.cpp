#include "results/stn_file.h"

#include "platform/leading_integer.h"
#include "platform/text_mode.h"

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
    for (const std::string& line : LimitedLineReads(ReadStandingsText(m_fileName), lineReadLimit)) {
        if (line.size() > 1)
            ReadLine(line);
    }
}

void CStnFile::ReadLine(const std::string& line) {
    if (Holds(line, "Race Final")) {
        m_track = Trimmed(line.substr(titleStart));
    } else if (Holds(line, "miles") && Holds(line, "laps")) {
        m_laps = Trimmed(line);
    } else if (line[1] >= '0' && line[1] <= '9') {
        AddDriverLine(line);
    } else if (Holds(line, "Race time")) {
        m_raceTime = line;
    } else if (Holds(line, "Average speed")) {
        m_averageSpeed = line;
    } else if (Holds(line, "Margin of victory")) {
        m_margin = line;
    } else if (Holds(line, "Caution flags")) {
        m_cautions = line;
    } else if (Holds(line, "# of lead changes")) {
        m_leadChanges = line;
    } else if (Holds(line, "Weather -")) {
        size_t caret = line.find('^');
        m_weather = caret == std::string::npos ? " degrees " + line
                                               : line.substr(0, caret) + " degrees " + line.substr(caret + 1);
    }
}

void CStnFile::AddDriverLine(const std::string& line) {
    STNDRIVER& driver = AddDriver();
    driver.Finish = NumberColumns(line, 1, 2);
    driver.Start = NumberColumns(line, 5, 6);
    driver.Car = NumberColumns(line, 9, 11);
    driver.Name = TrimmedRight(Columns(line, 14, 40));
    driver.LapsCompleted = NumberColumns(line, 42, 44);
    driver.LapsLed = NumberColumns(line, 47, 49);
    driver.Points = NumberColumns(line, 53, 55);
    driver.Qualifying = Trimmed(Columns(line, 58, 69));
    driver.Out = TrimmedRight(Columns(line, 71, 82));
}
