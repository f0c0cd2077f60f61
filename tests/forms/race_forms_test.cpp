#include "forms/default_race_form.h"
#include "forms/event_form.h"

#include "form_refusal.h"
#include "support/runner_fakes.h"
#include "support/sample_calendars.h"

#include <gmock/gmock.h>
#include <tuple>

// Both simulators installed, a default race, an event on the second track, and the sample calendars.
class RaceFormsTest : public ::testing::Test {
protected:
    RaceFormsTest() {
        UseNewServerWithSimulatorsIn(program);
        Server->ExeFileNL = "legends.exe";
        Server->LastRace = 4;
        N3Installed = NLInstalled = true;
        DefaultRace = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*DefaultRace, false);
        SetNewDefaultRaceValues(event, false);
        event.TrackNumber = 2;
        UseSampleCalendarsIn(program);
    }

    ScopedProgramFolder program;
    RACE event;
};

// Both forms check the shared fields in one order; the event's date (in the dated mode only), time and
// track come last. The messages are the field checks' test's.
TEST_F(RaceFormsTest, TheFirstRefusedFieldInOrderIsToldAndNothingIsStored) {
    // The timing mode, the typed fields, and the start of the refusal.
    const std::tuple<const char*, int, Typed, const char*> rows[] = {
        {"runs first", 0, {{"race_password", "pit,lane"}, {"runs", "11"}}, "runs: Please enter an integer"},
        {"password comma", 0, {{"race_password", "p,l"}, {"temperature", "30"}}, "race_password: The race"},
        {"race length", 0, {{"race_length", "101"}, {"temperature", "3"}}, "race_length: Please enter"},
        {"post race time", 0, {{"post_race_time", "121"}}, "post_race_time: Please enter an integer"},
        {"date", 2, {{"date", "13/01/2000"}, {"time", "25:00"}}, "beep date: Error (Race date) - Grossly"},
        {"time", 2, {{"time", ":30"}}, "beep time: Error (Race time) - Invalid time format"},
    };
    const RACE defaultRace = *DefaultRace;
    for (const auto& [name, timing, typed, refused] : rows) {
        SCOPED_TRACE(name);
        Server->Timing = timing;
        if (timing == 0) {
            EXPECT_THAT(Refused(DefaultRaceForm(), typed), testing::StartsWith(refused));
        }
        EXPECT_THAT(Refused(EventForm(&event, false), typed), testing::StartsWith(refused));
    }
    // The time is checked outside the dated mode too, where it may not be changed.
    Server->Timing = 0;
    event.Time = "13:00";
    const RACE before = event;
    EXPECT_THAT(Refused(EventForm(&event, false)),
                testing::StartsWith("beep time: Error (Race time) - Invalid number of hours"));
    EXPECT_EQ(event, before);
    EXPECT_EQ(*DefaultRace, defaultRace);
    EXPECT_EQ(Server->LastRace, 4);
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

// A default race belongs to no calendar: its track, date and time stay as they were; an AI strength
// outside its range shows as 100.
TEST_F(RaceFormsTest, TheDefaultRaceIsStoredWithoutACalendarAndKeepsTheDateAndTime) {
    DefaultRace->TrackNumber = 7;
    DefaultRace->SimExe = "C:\\Sims\\N3\\nascar3.exe";
    DefaultRace->CalendarFile = "C:\\Sims\\N3\\all.cal";
    DefaultRace->TrackName = "Ashford";
    DefaultRace->Date = "07/04/2026";
    DefaultRace->AIStrength = 150;
    DefaultRaceForm form;
    EXPECT_EQ(form.Field("race_length").label, std::string("Race length (1-100%):"));
    form.Enter("sim", {1, ""});
    form.Enter("wind_direction", {4, ""});
    EXPECT_EQ(Refused(form, {{"race_length", "10"}, {"warmup_time", "120"}}), "none");
    EXPECT_NE(
        program.Read("Quorvadata.ini")
            .find("DefaultRace=1,,Ashford,,,,0,0,0,1,0,0,0,10,0,0,30,120,0,1,70,0,4,0,100,5,1,1,07/04/2026,"
                  "06:00,1,0\r\n"),
        std::string::npos)
        << program.Read("Quorvadata.ini");
}

// A simulator without a folder is not chosen; one not installed cannot be chosen.
TEST_F(RaceFormsTest, TheInstallationChoosesTheSimulator) {
    struct Row {
        const char* name;
        bool n3Folder, nlFolder, n3Installed, nlInstalled;
        int stored, shown;
        bool choice;
    };
    const Row rows[] = {
        {"no N3 folder", false, true, true, true, 0, 1, true},
        {"no NL folder", true, false, true, true, 1, 0, true},
        {"N3 not installed", true, true, false, true, 0, 1, false},
        {"NL not installed", true, true, true, false, 1, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Server->PathN3 = row.n3Folder ? program.File("n3/") : "";
        Server->PathNL = row.nlFolder ? program.File("nl/") : "";
        N3Installed = row.n3Installed;
        NLInstalled = row.nlInstalled;
        DefaultRace->Sim = event.Sim = row.stored;
        DefaultRaceForm form;
        EXPECT_EQ(form.Value("sim").number, row.shown);
        EXPECT_EQ(form.Enabled("sim"), row.choice);
        // The event has the fit too, not the folders' rule.
        EventForm eventForm(&event, false);
        EXPECT_EQ(eventForm.Value("sim").number, row.choice ? row.stored : row.shown);
        EXPECT_EQ(eventForm.Enabled("sim"), row.choice);
    }
}

// A new event starts from the default race on the first line of each calendar; an event's line stays
// while the other calendar has it. OK writes every field and the calendar's track, and forgets the runner's
// remembered place.
TEST_F(RaceFormsTest, AnEventTakesTheChosenSimulatorsTrack) {
    EventForm form(&event, true);
    EXPECT_FALSE(form.Enabled("date") || form.Enabled("time") || form.Enabled("time_pm"));
    EXPECT_EQ(form.ListTracks(), std::nullopt);
    EXPECT_EQ(form.TrackNames(), (std::vector<std::string>{"Ashford", "Bayview", "Cedar Park"}));
    EXPECT_EQ(form.ChosenTrackName(), "Ashford");
    form.ChooseTrack(2);
    form.Enter("sim", {1, ""});
    EXPECT_EQ(form.ListTracks(), std::nullopt);
    EXPECT_EQ(form.ChosenTrackName(), "Oak Ridge");
    form.ChooseTrack(1);
    EXPECT_EQ(Refused(form, {{"warmup_time", " 12 "}}), "none");
    RACE expected = SampleMillbrookEvent(program, *DefaultRace);
    expected.WarmupTime = 12;
    EXPECT_EQ(event, expected);
    EXPECT_EQ(Server->LastRace, -1);

    // The third N3 track has no NL line: none is chosen, and OK asks for one.
    event.TrackNumber = 3;
    event.Sim = 0;
    EventForm third(&event, false);
    third.ListTracks();
    EXPECT_EQ(third.ChosenTrackName(), "Cedar Park");
    third.Enter("sim", {1, ""});
    third.ListTracks();
    EXPECT_EQ(third.Value("track").number, -1);
    std::optional<FormProblem> problem = third.Accept();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->key + ": " + problem->message.text, "track: Please select a track for this event.");
    EXPECT_EQ(problem->message.icon, MessageIcon::Warning);
}

// In the dated mode an event runs once and its date is rewritten; outside it a stored date is kept.
TEST_F(RaceFormsTest, TheDatedModeTakesTheDateAndRunsTheEventOnce) {
    event.Date = "";
    EventForm kept(&event, false);
    kept.ListTracks();
    EXPECT_EQ(Refused(kept), "none");
    EXPECT_EQ(event.Date, "");

    Server->Timing = 2;
    event.Runs = 3;
    EventForm dated(&event, false);
    EXPECT_FALSE(dated.Enabled("runs"));
    dated.ListTracks();
    EXPECT_EQ(Refused(dated, {{"date", "1/2/2000"}, {"time", "12:59"}}), "none");
    EXPECT_EQ(event.Date + " " + event.Time + " " + std::to_string(event.Runs), "01/02/2000 12:59 1");
}

// A calendar missing sends the switch back; an opening on a calendar without tracks lists nothing.
TEST_F(RaceFormsTest, ACalendarWithoutTracksListsNothing) {
    EventForm form(&event, false);
    form.ListTracks();
    CalendarNL.reset();
    form.Enter("sim", {1, ""});
    EXPECT_EQ(form.ListTracks()->text, "Calendar file not initialized");
    EXPECT_EQ(form.Value("sim").number, 0);
    EXPECT_TRUE(form.Listed());

    CreateCalendarN3(program.File("missing.cal"));
    EventForm empty(&event, false);
    EXPECT_EQ(empty.ListTracks()->text, "Schedule Tab reports no tracks found in specified calendar file.");
    EXPECT_FALSE(empty.Listed());
}
