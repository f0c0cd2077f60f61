#include "core/race.h"

#include <gtest/gtest.h>

// Every default reaches the settings file, whose bytes the settings tests check; here, that a record
// used before keeps nothing of its old values.
TEST(NewDefaultRace, ForgetsTheOldValuesAndTakesNascarLegendsWhenItIsInstalled) {
    RACE race;
    race.SimExe = "left over";
    race.SaveReplay = 1;
    SetNewDefaultRaceValues(race, true);
    EXPECT_EQ(race.Sim, 1);
    EXPECT_EQ(race.SimExe, "");
    EXPECT_EQ(race.SaveReplay, 0);
    SetNewDefaultRaceValues(race, false);
    EXPECT_EQ(race.Sim, 0);
}
