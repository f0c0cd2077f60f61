#pragma once

#include "results/standings_file.h"

// One driver of a NASCAR Racing 3 standings file.
struct WONDRIVER {
    std::string Name;
    int Car = 0;
    int Start = 0;
    int Finish = 0;
    int LapsCompleted = 0;
    int LapsLed = 0;
    std::string QualifyingTime;
    std::string QualifyingSpeed;
    std::string AverageTime;
    std::string AverageSpeed;
    std::string BestTime;
    std::string BestSpeed;
    int Incidents = 0;
    int StatusCode = 0;
    int Points = 0;
};

// Reads a NASCAR Racing 3 standings file (".won"): values between apostrophes, a header line and one
// line per driver. The points are worked out here.
class CWonFile : public CStandingsFile<WONDRIVER> {
public:
    explicit CWonFile(std::string fileName);

    // "Running", "Accident" or "DNF" for the current driver.
    std::string GetStatusText() const;

private:
    void ReadHeader(const std::string& line);
    void AddDriverLine(const std::string& line);

    WONDRIVER* m_mostLapsLeader = nullptr;
};

// The points that a finishing position earns; none outside the table.
int PositionPoints(int finish);
