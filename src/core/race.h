#pragma once

#include <string>

// One race event: the default race and every event of the schedule. Copying assigns every field, the
// texts by value.
struct RACE {
    int Sim = 0; // 0 NASCAR Racing 3, 1 NASCAR Legends
    std::string SimExe;
    std::string CalendarFile;
    std::string TrackName;
    std::string TrackId;
    int TrackNumber = 0;
    int RaceLength = 0;
    std::string RacePassword;
    int PracticeTime = 0;
    int WarmupTime = 0;
    int Damage = 0;
    int ArcadeMode = 0;
    int CautionFlags = 0;
    int PaceLap = 0;
    int DoubleFileRestarts = 0;
    int AllowAI = 0;
    int ForceSmoke = 0;
    int Runs = 0;
    int FixedSetups = 0;
    int FixedWeather = 0;
    int Temperature = 0;
    int WindSpeed = 0;
    int WindDirection = 0;
    int SaveResults = 0;
    int AIStrength = 0;
    int PostRaceTime = 0;
    int UseInvite = 0;
    int UseMuzzle = 0;
    std::string Date;
    std::string Time;
    int TimePM = 0;
    int SaveReplay = 0;

    bool operator==(const RACE&) const = default;
};

// Gives race the values of a newly created default race; Sim is NASCAR Legends when it is installed.
void SetNewDefaultRaceValues(RACE& race, bool nlInstalled);
