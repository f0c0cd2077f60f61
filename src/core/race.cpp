#include "core/race.h"

#include "core/simulator.h"

void SetNewDefaultRaceValues(RACE& race, bool nlInstalled) {
    race = RACE{};
    race.Sim = nlInstalled ? SimulatorNL : SimulatorN3;
    race.TrackName = "DEFAULT";
    race.TrackNumber = 1;
    race.RaceLength = 10;
    race.PracticeTime = 30;
    race.WarmupTime = 1;
    race.Runs = 1;
    race.FixedWeather = 1;
    race.Temperature = 70;
    race.AIStrength = 100;
    race.PostRaceTime = 5;
    race.UseInvite = 1;
    race.UseMuzzle = 1;
    race.Date = "01/01/2000";
    race.Time = "06:00";
    race.TimePM = 1;
}
