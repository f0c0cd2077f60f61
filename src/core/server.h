#pragma once

#include <string>

// The text a path field holds when the installation lookup found nothing.
inline constexpr const char* PathNotFound = "Path not found";

// The timing modes that SERVER::Timing holds; a hand-edited settings file may hold any other number.
enum Timing { TimingContinuous = 0, TimingDaily = 1, TimingSpecific = 2 };

// The server-wide settings. Each field's name is its key in the settings file's "SERVER" section.
struct SERVER {
    std::string HostName;
    std::string AdminPassword;
    int CheckLatency = 0;
    int Millisecs = 0;
    int RaceDelay = 0;
    int Timing = TimingContinuous;
    std::string DailyTime;
    int Pm = 0;
    std::string PathNL;
    std::string PathN3;
    std::string CalendarFileNL;
    std::string CalendarFileN3;
    int MaxConnections = 0;
    int FieldSize = 0;
    std::string ExeFileN3;
    std::string InviteFileN3;
    std::string MuzzleFileN3;
    std::string ExeFileNL;
    std::string InviteFileNL;
    std::string MuzzleFileNL;
    int ArenaN3 = 0;
    int ArenaNL = 0;
    int StopAtEnd = 0;
    int RememberRace = 0;
    int LastRace = 0;
    int ResultsToHTML = 0;
    int UseBitmap = 0;
    int AutoStart = 0;
    int AutoTerminate = 0;
    int ConnectIPX = 0;
    int ConnectTCP = 0;
    int ConnectNET = 0;
    std::string WonName;
    std::string WonPassword;
    int ShowDisplay = 0;
    int ClockAdjust = 0;
    int LimitTime = 0;
    int StartTimePM = 0;
    int StopTimePM = 0;
    std::string StartTime;
    std::string StopTime;
    std::string AddedParams;
    int Security = 0;

    bool operator==(const SERVER&) const = default;
};

// Gives server the values of a newly created record; the installation folders and the six list and
// calendar paths are left empty for the installation lookup to fill.
void SetNewServerValues(SERVER& server);
