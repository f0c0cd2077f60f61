#include "forms/default_race_form.h"
#include "forms/event_form.h"

#include "core/app_state.h"
#include "core/server.h"
#include "settings/server_settings.h"
#include "simfiles/calendars.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

using Typed = std::vector<std::pair<const char*, const char*>>;

// Both simulators installed, a default race, an N3 calendar of three tracks and an NL calendar of two.
class RaceFormsTest : public ::testing::Test {
protected:
    RaceFormsTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        Server->PathN3 = program.File("n3/");
        Server->PathNL = program.File("nl/");
        Server->ExeFileN3 = "nascar3.exe";
        Server->ExeFileNL = "legends.exe";
        Server->LastRace = 4;
        N3Installed = NLInstalled = true;
        DefaultRace = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*DefaultRace, false);
        SetNewDefaultRaceValues(event, false);
        event.TrackNumber = 2;
        auto line = [](const char* id) { return std::string(13, ' ') + id + "\n"; };
        program.Write("n3.cal", line("ashford") + line("bayview") + line("cedarpk"));
        program.Write("nl.cal", line("oakridge") + line("millbrk"));
        program.Write("TrackDictionaryN3.ini",
                      "[TRACKS]\nashford=Ashford\nbayview=Bayview\ncedarpk=Cedar Park\n");
        program.Write("TrackDictionaryNL.ini", "[TRACKS]\noakridge=Oak Ridge\nmillbrk=Millbrook\n");
        CreateCalendarN3(program.File("n3.cal"));
        CreateCalendarNL(program.File("nl.cal"));
    }

    static void EnterAll(Form& form, const Typed& typed) {
        for (auto [key, text] : typed)
            form.Enter(key, {0, text});
    }
    std::string Stored() const {
        return program.Exists("Quorvadata.ini") ? program.Read("Quorvadata.ini") : "";
    }

    ScopedProgramFolder program;
    RACE event;
};

struct Refusal {
    const char* name;
    int timing;
    Typed typed;
    const char* key;
    const char* message;
    bool beep = false;
};

void ExpectRefusal(const Refusal& row, std::optional<FormProblem> problem) {
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->key, row.key);
    EXPECT_EQ(problem->message.text.rfind(row.message, 0), 0u) << problem->message.text;
    EXPECT_EQ(problem->beep, row.beep);
}

// The default race form and the event form check the fields in the same order; the event's date (in
// the dated mode), time and track come last. The date is looked at in the dated mode only; the time in
// every mode, also where it may not be changed.
TEST_F(RaceFormsTest, TheFirstRefusedFieldInOrderIsToldAndNothingIsStored) {
    const Refusal rows[] = {
        {"runs before the password",
         0,
         {{"race_password", "pit,lane"}, {"runs", "11"}},
         "runs",
         "Please enter an integer between 1 and 10."},
        {"password comma",
         0,
         {{"race_password", "pit,lane"}, {"temperature", "30"}},
         "race_password",
         "The race password cannot hold a comma"},
        {"race length",
         0,
         {{"race_length", "101"}, {"temperature", "30"}},
         "race_length",
         "Please enter an integer between 1 and 100."},
        {"no integer", 0, {{"temperature", "warm"}}, "temperature", "Please enter an integer."},
        {"last is the post race time",
         0,
         {{"post_race_time", "121"}},
         "post_race_time",
         "Please enter an integer between 0 and 120."},
    };
    const RACE defaultRace = *DefaultRace;
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.name);
        DefaultRaceForm defaultForm;
        EnterAll(defaultForm, row.typed);
        ExpectRefusal(row, defaultForm.Accept());
        EventForm eventForm(&event, false);
        EnterAll(eventForm, row.typed);
        ExpectRefusal(row, eventForm.Accept());
    }
    const Refusal eventRows[] = {
        {"date in the dated mode",
         2,
         {{"date", "13/01/2000"}, {"time", "25:00"}},
         "date",
         "Error (Race date) - Grossly invalid date - valid entries are 01/01/2000 through 12/31/2038.",
         true},
        {"time",
         2,
         {{"time", ":30"}},
         "time",
         "Error (Race time) - Invalid time format (missing colon).",
         true},
        {"stored time outside the dated mode",
         0,
         {},
         "time",
         "Error (Race time) - Invalid number of hours entered.",
         true},
    };
    event.Time = "13:00";
    for (const Refusal& row : eventRows) {
        SCOPED_TRACE(row.name);
        Server->Timing = row.timing;
        EventForm form(&event, false);
        EnterAll(form, row.typed);
        ExpectRefusal(row, form.Accept());
    }
    EXPECT_EQ(event.Time, "13:00");
    EXPECT_EQ(*DefaultRace, defaultRace);
    EXPECT_EQ(Server->LastRace, 4);
    EXPECT_EQ(Stored(), "");
}

// A default race belongs to no calendar: its track, date and time stay as they were; an AI strength
// outside its range shows as 100.
TEST_F(RaceFormsTest, TheDefaultRaceIsStoredWithoutACalendarAndKeepsTheDateAndTime) {
    DefaultRace->TrackNumber = 7;
    DefaultRace->SimExe = "C:\\Sims\\N3\\nascar3.exe";
    DefaultRace->CalendarFile = "C:\\Sims\\N3\\all.cal";
    DefaultRace->TrackName = "Ashford";
    DefaultRace->Date = "07/04/2026";
    DefaultRace->Time = "8:15";
    DefaultRace->AIStrength = 150;
    DefaultRaceForm form;
    EXPECT_EQ(form.Value("ai_strength").text, "100");
    EXPECT_EQ(form.Field("race_length").label, std::string("Race length (1-100%):"));
    EnterAll(form, {{"race_length", "10"}, {"temperature", "70"}, {"warmup_time", "120"}});
    form.Enter("sim", {1, ""});
    form.Enter("wind_direction", {4, ""});
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_NE(
        Stored().find("DefaultRace=1,,Ashford,,,,0,0,0,1,0,0,0,10,0,0,30,120,0,1,70,0,4,0,100,5,1,1,07/04/"
                      "2026,8:15,1,0\r\n"),
        std::string::npos)
        << Stored();
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
        DefaultRace->Sim = row.stored;
        DefaultRaceForm form;
        EXPECT_EQ(form.Value("sim").number, row.shown);
        EXPECT_EQ(form.Enabled("sim"), row.choice);
    }
    NLInstalled = false;
    event.Sim = 1;
    EventForm form(&event, false);
    EXPECT_EQ(form.Value("sim").number, 0);
    EXPECT_FALSE(form.Enabled("sim"));
}

// A new event starts from the default race on the first line of its calendar; OK writes every field,
// the calendar's track, and forgets the runner's remembered place.
TEST_F(RaceFormsTest, ANewEventTakesTheDefaultRaceAndTheChosenTrack) {
    EventForm form(&event, true);
    EXPECT_EQ(form.ListTracks(), std::nullopt);
    EXPECT_EQ(form.TrackNames(), (std::vector<std::string>{"Ashford", "Bayview", "Cedar Park"}));
    EXPECT_EQ(form.Value("track").number, 0);
    EXPECT_FALSE(form.Enabled("date") || form.Enabled("time") || form.Enabled("time_pm"));
    form.ChooseTrack(2);
    EXPECT_EQ(form.ChosenTrackName(), "Cedar Park");
    form.Enter("warmup_time", {0, " 12 "});
    form.Enter("wind_direction", {7, ""});
    EXPECT_EQ(form.Accept(), std::nullopt);
    RACE expected = *DefaultRace;
    expected.SimExe = program.File("n3/") + "nascar3.exe";
    expected.CalendarFile = program.File("n3.cal");
    expected.TrackName = "Cedar Park";
    expected.TrackId = "cedarpk";
    expected.TrackNumber = 3;
    expected.WarmupTime = 12;
    expected.WindDirection = 7;
    EXPECT_EQ(event, expected);
    EXPECT_EQ(Server->LastRace, -1);
}

// In the dated mode an event runs once, and its date is rewritten; outside it a stored date is kept.
TEST_F(RaceFormsTest, TheDatedModeTakesTheDateAndRunsTheEventOnce) {
    event.Date = "";
    EventForm kept(&event, false);
    kept.ListTracks();
    EXPECT_EQ(kept.Accept(), std::nullopt);
    EXPECT_EQ(event.Date, "");

    Server->Timing = 2;
    event.Runs = 3;
    EventForm dated(&event, false);
    EXPECT_FALSE(dated.Enabled("runs"));
    dated.ListTracks();
    dated.Enter("date", {0, "1/2/2000"});
    dated.Enter("time", {0, "12:59"});
    EXPECT_EQ(dated.Accept(), std::nullopt);
    EXPECT_EQ(event.Date, "01/02/2000");
    EXPECT_EQ(event.Time, "12:59");
    EXPECT_EQ(event.Runs, 1);
}

// The event's line stays chosen while the other calendar has it; a calendar without tracks sends the
// switch back, and an opening on one lists nothing.
TEST_F(RaceFormsTest, SwitchingTheSimulatorListsItsCalendar) {
    event.TrackNumber = 3;
    EventForm form(&event, false);
    form.ListTracks();
    form.Enter("sim", {1, ""});
    EXPECT_EQ(form.ListTracks(), std::nullopt);
    EXPECT_EQ(form.Value("track").number, -1);
    EXPECT_EQ(form.ChosenTrackName(), "");
    std::optional<FormProblem> problem = form.Accept();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->key, "track");
    EXPECT_EQ(problem->message.text, "Please select a track for this event.");
    EXPECT_EQ(problem->message.icon, MessageIcon::Warning);
    form.ChooseTrack(1);
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(event.TrackName, "Millbrook");
    EXPECT_EQ(event.SimExe, program.File("nl/") + "legends.exe");

    CalendarN3.reset();
    form.Enter("sim", {0, ""});
    EXPECT_EQ(form.ListTracks()->text, "Calendar file not initialized");
    EXPECT_EQ(form.Value("sim").number, 1);
    EXPECT_TRUE(form.Listed());

    CreateCalendarN3(program.File("missing.cal"));
    event.Sim = 0;
    EventForm empty(&event, false);
    EXPECT_EQ(empty.ListTracks()->text, "Schedule Tab reports no tracks found in specified calendar file.");
    EXPECT_FALSE(empty.Listed());
}
