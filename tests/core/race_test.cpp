#include "core/race.h"

#include <gtest/gtest.h>

TEST(NewDefaultRace, TakesNascarLegendsWhenItIsInstalled) {
    RACE race;
    SetNewDefaultRaceValues(race, true);
    EXPECT_EQ(race.Sim, 1);
    SetNewDefaultRaceValues(race, false);
    EXPECT_EQ(race.Sim, 0);
}

TEST(NewDefaultRace, HoldsTheValuesOfANewRecord) {
    RACE race;
    race.SimExe = "left over";
    race.SaveReplay = 1;
    SetNewDefaultRaceValues(race, true);
    const RACE expected{.Sim = 1,
                        .TrackName = "DEFAULT",
                        .TrackNumber = 1,
                        .RaceLength = 10,
                        .PracticeTime = 30,
                        .WarmupTime = 1,
                        .Runs = 1,
                        .FixedWeather = 1,
                        .Temperature = 70,
                        .AIStrength = 100,
                        .PostRaceTime = 5,
                        .UseInvite = 1,
                        .UseMuzzle = 1,
                        .Date = "01/01/2000",
                        .Time = "06:00",
                        .TimePM = 1};
    EXPECT_EQ(race, expected);
}

TEST(RaceCopy, SharesNoTextWithItsSource) {
    RACE source;
    SetNewDefaultRaceValues(source, true);
    RACE copy = source;
    EXPECT_EQ(copy, source);
    copy.TrackName = "Changed";
    EXPECT_EQ(source.TrackName, "DEFAULT");
}
