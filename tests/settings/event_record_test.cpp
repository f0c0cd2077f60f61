#include "settings/event_record.h"

#include "core/app_state.h"

#include <gtest/gtest.h>

namespace {

const std::string sampleRecord = "1,oakridge,Oak Ridge; Mile,C:\\Sims\\NL\\Nascar "
                                 "Legends.exe,C:\\Sims\\NL\\all.cal,pit,3,11,12,4,2,13,14,25,"
                                 "15,16,17,18,19,20,-5,21,7,22,110,9,23,24,12/25/2026,7:30,26,27";

} // namespace

// A comma inside a text field is stored as a semicolon, so no field reads back shifted.
TEST(EventRecord, ReadsEachFieldFromItsPlaceOrTheDefaultOfItsKindAndIsWrittenBackTheSame) {
    RACE race;
    ParseRaceRecord(sampleRecord, RecordDefaults::Event, race);
    EXPECT_EQ((std::vector<std::string>{race.TrackId, race.TrackName, race.SimExe, race.CalendarFile,
                                        race.RacePassword, race.Date, race.Time}),
              (std::vector<std::string>{"oakridge", "Oak Ridge; Mile", "C:\\Sims\\NL\\Nascar Legends.exe",
                                        "C:\\Sims\\NL\\all.cal", "pit", "12/25/2026", "7:30"}));
    auto ints = [](auto... numbers) { return std::vector<int>{numbers...}; };
    EXPECT_EQ(ints(race.Sim, race.TrackNumber, race.AllowAI, race.CautionFlags, race.Runs, race.Damage,
                   race.DoubleFileRestarts, race.ForceSmoke, race.RaceLength, race.PaceLap, race.ArcadeMode,
                   race.PracticeTime, race.WarmupTime, race.FixedSetups, race.FixedWeather, race.Temperature,
                   race.WindSpeed, race.WindDirection, race.SaveResults, race.AIStrength, race.PostRaceTime,
                   race.UseInvite, race.UseMuzzle, race.TimePM, race.SaveReplay),
              (std::vector<int>{1,  3,  11, 12, 4, 2,  13,  14, 25, 15, 16, 17, 18,
                                19, 20, -5, 21, 7, 22, 110, 9,  23, 24, 26, 27}));
    race.TrackName = "Oak Ridge, Mile";
    EXPECT_EQ(FormatRaceRecord(race), sampleRecord);

    // Every field of the race read into is replaced: by the record's value or by the default of its kind.
    const struct {
        const char *name, *record;
        RecordDefaults kind;
        bool nlInstalled;
        const char* read;
    } rows[] = {{"empty event", "", RecordDefaults::Event, true,
                 "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
                {"empty default race, NASCAR Legends installed", "", RecordDefaults::DefaultRace, true,
                 "1,,DEFAULT,,,,0,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"},
                {"default race without NASCAR Legends", ",x", RecordDefaults::DefaultRace, false,
                 "0,x,DEFAULT,,,,0,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        NLInstalled = row.nlInstalled;
        ParseRaceRecord(sampleRecord, RecordDefaults::Event, race);
        ParseRaceRecord(row.record, row.kind, race);
        EXPECT_EQ(FormatRaceRecord(race), row.read);
    }
    NLInstalled = false;
}
