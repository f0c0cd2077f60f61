#pragma once

#include "core/simulator.h"
#include "platform/file_cause.h"
#include "platform/profile_file.h"
#include "platform/windows_1252.h"

#include <string>
#include <utility>
#include <vector>

// A simulator's calendar: the tracks of its season, one line each, read once at construction. Display
// names come from the simulator's track dictionary in the program's folder; a track the dictionary
// lacks is asked for once and stored there. The calendar holds Windows-1252; its lines, identifiers and
// names are given in UTF-8.
class CCalendarFile {
public:
    virtual ~CCalendarFile() = default;

    std::string GetFileName() const { return m_fileName; }
    int GetTrackCount() const { return m_trackCount; }
    std::string GetErrorText() const { return m_errorText; }

    // The short identifier of the track at a 0-based entry index; empty for an index outside the calendar.
    std::string GetTrackId(int index) const;

    // The display names of every track, in calendar order, from the track dictionary; the operator is
    // asked for each name the dictionary lacks. A dictionary that cannot be written is told once, at the
    // first name it cannot store, not once for every name.
    std::vector<std::string> GetTrackNames() const;

protected:
    explicit CCalendarFile(std::string path);

    virtual const char* DictionaryFileName() const = 0;
    virtual const char* SimulatorName() const = 0;

private:
    void Read();
    // The name of the track at a 0-based entry index from the dictionary as read for the listing, asked for
    // and stored when it lacks it; storeFailure is what storing it met.
    std::string TrackName(int index, ProfileFile& dictionary, FileFailure& storeFailure) const;
    void KeepLine(const std::string& line, const SimulatorText& encoding);

    std::string m_errorText;
    std::string m_fileName;
    FileCause m_fileError = CauseNone;
    std::vector<std::string> m_trackLines;
    int m_trackCount = 0;
};

class CCalendarFileN3 : public CCalendarFile {
public:
    explicit CCalendarFileN3(std::string path) : CCalendarFile(std::move(path)) {}

protected:
    const char* DictionaryFileName() const override { return Simulators[SimulatorN3].dictionaryFile; }
    const char* SimulatorName() const override { return Simulators[SimulatorN3].calendarName; }
};

class CCalendarFileNL : public CCalendarFile {
public:
    explicit CCalendarFileNL(std::string path) : CCalendarFile(std::move(path)) {}

protected:
    const char* DictionaryFileName() const override { return Simulators[SimulatorNL].dictionaryFile; }
    const char* SimulatorName() const override { return Simulators[SimulatorNL].calendarName; }
};
