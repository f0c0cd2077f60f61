#include "settings/event_record.h"

#include "core/app_state.h"

#include <gtest/gtest.h>

namespace {

RACE SampleRace() {
    RACE race;
    race.Sim = 1;
    race.SimExe = "C:\\Sims\\NL\\Nascar Legends.exe";
    race.CalendarFile = "C:\\Sims\\NL\\all.cal";
    race.TrackName = "Oak Ridge Mile";
    race.TrackId = "oakridge";
    race.TrackNumber = 3;
    race.RaceLength = 25;
    race.RacePassword = "pit";
    race.PracticeTime = 15;
    race.WarmupTime = 2;
    race.Damage = 2;
    race.ArcadeMode = 1;
    race.CautionFlags = 1;
    race.PaceLap = 1;
    race.DoubleFileRestarts = 1;
    race.AllowAI = 1;
    race.ForceSmoke = 1;
    race.Runs = 4;
    race.FixedSetups = 1;
    race.FixedWeather = 0;
    race.Temperature = 85;
    race.WindSpeed = 12;
    race.WindDirection = 7;
    race.SaveResults = 1;
    race.AIStrength = 110;
    race.PostRaceTime = 9;
    race.UseInvite = 0;
    race.UseMuzzle = 0;
    race.Date = "12/25/2026";
    race.Time = "7:30";
    race.TimePM = 0;
    race.SaveReplay = 1;
    return race;
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
    EXPECT_EQ(race.Sim, 1);
    EXPECT_EQ(race.TrackId, "");
    EXPECT_EQ(race.TrackName, "DEFAULT");
    EXPECT_EQ(race.TrackNumber, 1);
    EXPECT_EQ(race.Runs, 1);
    EXPECT_EQ(race.RaceLength, 10);
    EXPECT_EQ(race.PracticeTime, 30);
    EXPECT_EQ(race.WarmupTime, 1);
    EXPECT_EQ(race.FixedWeather, 1);
    EXPECT_EQ(race.Temperature, 70);
    EXPECT_EQ(race.AIStrength, 100);
    EXPECT_EQ(race.PostRaceTime, 5);
    EXPECT_EQ(race.UseInvite, 1);
    EXPECT_EQ(race.UseMuzzle, 1);
    EXPECT_EQ(race.Date, "01/01/2000");
    EXPECT_EQ(race.Time, "6:00");
    EXPECT_EQ(race.TimePM, 1);
    EXPECT_EQ(race.SaveReplay, 0);
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
