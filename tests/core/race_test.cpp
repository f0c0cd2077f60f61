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
    EXPECT_EQ(race.SimExe, "");
    EXPECT_EQ(race.CalendarFile, "");
    EXPECT_EQ(race.TrackName, "DEFAULT");
    EXPECT_EQ(race.TrackId, "");
    EXPECT_EQ(race.TrackNumber, 1);
    EXPECT_EQ(race.RaceLength, 10);
    EXPECT_EQ(race.PracticeTime, 30);
    EXPECT_EQ(race.WarmupTime, 1);
    EXPECT_EQ(race.Runs, 1);
    EXPECT_EQ(race.FixedWeather, 1);
    EXPECT_EQ(race.Temperature, 70);
    EXPECT_EQ(race.AIStrength, 100);
    EXPECT_EQ(race.PostRaceTime, 5);
    EXPECT_EQ(race.UseInvite, 1);
    EXPECT_EQ(race.UseMuzzle, 1);
    EXPECT_EQ(race.Date, "01/01/2000");
    EXPECT_EQ(race.Time, "06:00");
    EXPECT_EQ(race.TimePM, 1);
    EXPECT_EQ(race.SaveReplay, 0);
    EXPECT_EQ(race.Damage + race.ArcadeMode + race.CautionFlags + race.PaceLap + race.DoubleFileRestarts +
                  race.AllowAI + race.ForceSmoke + race.FixedSetups + race.WindSpeed + race.WindDirection +
                  race.SaveResults,
              0);
}

TEST(RaceCopy, SharesNoTextWithItsSource) {
    RACE source;
    SetNewDefaultRaceValues(source, true);
    RACE copy = source;
    EXPECT_EQ(copy, source);
    copy.TrackName = "Changed";
    EXPECT_EQ(source.TrackName, "DEFAULT");
}
