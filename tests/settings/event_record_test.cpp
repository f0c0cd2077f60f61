#include "settings/event_record.h"

#include "core/app_state.h"

#include <gtest/gtest.h>

namespace {

RACE SampleRace() {
    return RACE{.Sim = 1,
                .SimExe = "C:\\Sims\\NL\\Nascar Legends.exe",
                .CalendarFile = "C:\\Sims\\NL\\all.cal",
                .TrackName = "Oak Ridge Mile",
                .TrackId = "oakridge",
                .TrackNumber = 3,
                .RaceLength = 25,
                .RacePassword = "pit",
                .PracticeTime = 15,
                .WarmupTime = 2,
                .Damage = 2,
                .ArcadeMode = 1,
                .CautionFlags = 1,
                .PaceLap = 1,
                .DoubleFileRestarts = 1,
                .AllowAI = 1,
                .ForceSmoke = 1,
                .Runs = 4,
                .FixedSetups = 1,
                .FixedWeather = 0,
                .Temperature = 85,
                .WindSpeed = 12,
                .WindDirection = 7,
                .SaveResults = 1,
                .AIStrength = 110,
                .PostRaceTime = 9,
                .UseInvite = 0,
                .UseMuzzle = 0,
                .Date = "12/25/2026",
                .Time = "7:30",
                .TimePM = 0,
                .SaveReplay = 1};
}

} // namespace

TEST(EventRecord, IsWrittenInRecordOrder) {
    EXPECT_EQ(FormatRaceRecord(SampleRace()),
              "1,oakridge,Oak Ridge Mile,C:\\Sims\\NL\\Nascar Legends.exe,C:\\Sims\\NL\\all.cal,pit,"
              "3,1,1,4,2,1,1,25,1,1,15,2,1,0,85,12,7,1,110,9,0,0,12/25/2026,7:30,0,1");
}

TEST(EventRecord, ReadsBackAsTheSameRace) {
    RACE race;
    ParseRaceRecord(FormatRaceRecord(SampleRace()), RecordDefaults::Event, race);
    EXPECT_EQ(race, SampleRace());
    race.TimePM = 1;
    race.Temperature = -5;
    RACE again;
    ParseRaceRecord(FormatRaceRecord(race), RecordDefaults::Event, again);
    EXPECT_EQ(again, race);
}

TEST(EventRecord, StoresACommaInATextFieldAsASemicolon) {
    RACE race = SampleRace();
    race.TrackName = "Oak Ridge, Mile";
    race.SimExe = "C:\\Sims,NL\\x.exe";
    RACE read;
    ParseRaceRecord(FormatRaceRecord(race), RecordDefaults::Event, read);
    EXPECT_EQ(read.TrackName, "Oak Ridge; Mile");
    EXPECT_EQ(read.SimExe, "C:\\Sims;NL\\x.exe");
    EXPECT_EQ(read.CalendarFile, race.CalendarFile);
    EXPECT_EQ(read.SaveReplay, 1);
}

TEST(EventRecord, BuiltInDefaultRaceRecordGivesTheDefaultRace) {
    NLInstalled = false;
    RACE race;
    ParseRaceRecord(BuiltInDefaultRaceRecord, RecordDefaults::DefaultRace, race);
    // The record itself names NASCAR Legends and writes the hour without a leading zero.
    RACE expected;
    SetNewDefaultRaceValues(expected, true);
    expected.Time = "6:00";
    EXPECT_EQ(race, expected);
}

TEST(EventRecord, MissingFieldsTakeTheDefaultsOfTheirKind) {
    RACE race;
    race.TrackName = "earlier content";
    ParseRaceRecord("", RecordDefaults::Event, race);
    EXPECT_EQ(race.Sim, 0);
    EXPECT_EQ(race.TrackName, "");
    EXPECT_EQ(race.Runs, 0);
    EXPECT_EQ(race.RaceLength, 0);
    EXPECT_EQ(race.AIStrength, 100);
    EXPECT_EQ(race.PostRaceTime, 5);
    EXPECT_EQ(race.Date, "01/01/2000");
    EXPECT_EQ(race.Time, "6:00");
    EXPECT_EQ(race.TimePM, 1);

    NLInstalled = true;
    ParseRaceRecord("", RecordDefaults::DefaultRace, race);
    EXPECT_EQ(race.Sim, 1);
    EXPECT_EQ(race.TrackName, "DEFAULT");
    EXPECT_EQ(race.Runs, 1);
    EXPECT_EQ(race.TrackNumber, 0);
    NLInstalled = false;
    ParseRaceRecord(",x", RecordDefaults::DefaultRace, race);
    EXPECT_EQ(race.Sim, 0);
    EXPECT_EQ(race.TrackId, "x");
}

TEST(EventRecord, NumbersReadAsTheirLeadingDigits) {
    RACE race;
    ParseRaceRecord(" -7x,,,,,,abc,+3", RecordDefaults::Event, race);
    EXPECT_EQ(race.Sim, -7);
    EXPECT_EQ(race.TrackNumber, 0);
    EXPECT_EQ(race.AllowAI, 3);
}

TEST(EventRecord, TheThirtySecondFieldAloneDecidesSaveReplay) {
    RACE race;
    ParseRaceRecord("0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,0,1",
                    RecordDefaults::Event, race);
    EXPECT_EQ(race.SaveReplay, 1);
    EXPECT_EQ(race.TimePM, 0);
    ParseRaceRecord("0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,1,0",
                    RecordDefaults::Event, race);
    EXPECT_EQ(race.SaveReplay, 0);
    EXPECT_EQ(race.TimePM, 1);
}
