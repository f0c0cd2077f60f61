#pragma once

#include "platform/windows_1252.h"
#include "results/standings_file.h"

// One driver of a NASCAR Legends standings file.
struct STNDRIVER {
    int Finish = 0;
    int Start = 0;
    int Car = 0;
    std::string Name;
    int LapsCompleted = 0;
    int LapsLed = 0;
    int Points = 0;
    std::string Qualifying;
    std::string Out;
};

// Reads a NASCAR Legends standings file (".stn"): fixed columns, recognised line by line.
class CStnFile : public CStandingsFile<STNDRIVER> {
public:
    explicit CStnFile(std::string fileName);

private:
    void ReadLine(const std::string& line, const SimulatorText& encoding);
    void AddDriverLine(const std::string& line, const SimulatorText& encoding);
};
