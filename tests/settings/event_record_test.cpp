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

TEST(EventRecord, ReadsBackAsTheSameRaceWithACommaInATextFieldStoredAsASemicolon) {
    RACE race = SampleRace();
    race.TimePM = 1;
    race.Temperature = -5;
    RACE read;
    ParseRaceRecord(FormatRaceRecord(race), RecordDefaults::Event, read);
    EXPECT_EQ(read, race);
    race.TrackName = "Oak Ridge, Mile";
    race.SimExe = "C:\\Sims,NL\\x.exe";
    ParseRaceRecord(FormatRaceRecord(race), RecordDefaults::Event, read);
    race.TrackName = "Oak Ridge; Mile";
    race.SimExe = "C:\\Sims;NL\\x.exe";
    EXPECT_EQ(read, race);
}

// Every field of the race read into is replaced: by the record's value or by the default of its kind.
TEST(EventRecord, MissingFieldsTakeTheDefaultsOfTheirKindAndNumbersTheirLeadingDigits) {
    const struct {
        const char* name;
        std::string record;
        RecordDefaults kind;
        bool nlInstalled;
        std::string read;
    } rows[] = {
        {"empty event", "", RecordDefaults::Event, true,
         "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
        {"empty default race, NASCAR Legends installed", "", RecordDefaults::DefaultRace, true,
         "1,,DEFAULT,,,,0,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
        {"default race without NASCAR Legends", ",x", RecordDefaults::DefaultRace, false,
         "0,x,DEFAULT,,,,0,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
        {"the built-in default race", BuiltInDefaultRaceRecord, RecordDefaults::DefaultRace, false,
         "1,,DEFAULT,,,,1,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
        {"leading digits", " -7x,,,,,,abc,+3", RecordDefaults::Event, false,
         "-7,,,,,,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
        {"the thirty-second field alone is SaveReplay",
         "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,0,1", RecordDefaults::Event,
         false, "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,0,1"},
        {"the thirty-first field alone is TimePM",
         "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,1,0", RecordDefaults::Event,
         false, "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,01/01/2000,6:00,1,0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        NLInstalled = row.nlInstalled;
        RACE race = SampleRace();
        ParseRaceRecord(row.record, row.kind, race);
        EXPECT_EQ(FormatRaceRecord(race), row.read);
    }
    NLInstalled = false;
}
