#pragma once

#include "platform/text_mode.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The standings file's bytes; none, after telling the operator, when it cannot be read.
std::optional<std::string> ReadStandingsBytes(const std::string& fileName);

// What both standings readers hold: the race's texts and the drivers in file order. A reader reads its
// whole file when it is made and then only answers questions. The simulators write Windows-1252; the
// texts are held in UTF-8.
template <typename Driver>
class CStandingsFile {
public:
    int GetDriverCount() const { return m_driverCount; }

    // The n-th driver (from 1), which becomes the current driver. None beyond the list; the current
    // driver is then the list's last.
    const Driver* GetDriver(int n) {
        if (n >= 1 && static_cast<size_t>(n) <= m_drivers.size()) {
            m_currentDriver = m_drivers[static_cast<size_t>(n) - 1].get();
            return m_currentDriver;
        }
        m_currentDriver = m_drivers.empty() ? nullptr : m_drivers.back().get();
        return nullptr;
    }
    const Driver* GetCurrentDriver() const { return m_currentDriver; }

    // False when the file could not be read: the reader then holds no race at all.
    bool IsRead() const { return m_read; }
    const std::string& GetFileName() const { return m_fileName; }
    // The file's bytes as read, for a copy of it.
    const std::string& GetBytes() const { return m_bytes; }
    const std::string& GetTrack() const { return m_track; }
    const std::string& GetLaps() const { return m_laps; }
    const std::string& GetRaceTime() const { return m_raceTime; }
    const std::string& GetAverageSpeed() const { return m_averageSpeed; }
    const std::string& GetMargin() const { return m_margin; }
    const std::string& GetCautions() const { return m_cautions; }
    const std::string& GetLeadChanges() const { return m_leadChanges; }
    const std::string& GetWeather() const { return m_weather; }

protected:
    explicit CStandingsFile(std::string fileName) : m_fileName(std::move(fileName)) {}

    // The file's text as a text-mode read sees it.
    std::string ReadText() {
        std::optional<std::string> bytes = ReadStandingsBytes(m_fileName);
        m_read = bytes.has_value();
        m_bytes = bytes.value_or("");
        return TextModeRead(m_bytes);
    }

    Driver& AddDriver() {
        m_drivers.push_back(std::make_unique<Driver>());
        ++m_driverCount;
        return *m_drivers.back();
    }

    std::string m_fileName;
    std::string m_bytes;
    std::string m_track;
    std::string m_laps;
    std::string m_raceTime;
    std::string m_averageSpeed;
    std::string m_margin;
    std::string m_cautions;
    std::string m_leadChanges;
    std::string m_weather;
    bool m_read = false;
    int m_driverCount = 0;
    std::vector<std::unique_ptr<Driver>> m_drivers;

private:
    const Driver* m_currentDriver = nullptr;
};

// The text without leading and trailing white space.
std::string Trimmed(const std::string& text);
std::string TrimmedRight(const std::string& text);
