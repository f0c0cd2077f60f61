#include "schedule/event_options.h"

#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The server of a new settings file, with its simulators in the test's folder.
SERVER TestServer(const TempFolder& folder) {
    SERVER server;
    server.HostName = "Anonymous";
    server.AdminPassword = "kelp";
    server.MaxConnections = 42;
    server.FieldSize = 43;
    server.Millisecs = 250; // latency is not checked
    server.PathN3 = folder.File("n3/");
    server.PathNL = folder.File("nl/");
    server.InviteFileN3 = "C:\\Sims\\N3\\invite.lst";
    server.MuzzleFileN3 = "C:\\Sims\\N3\\muzzle.lst";
    server.InviteFileNL = "/srv/nl/friends.lst";
    server.MuzzleFileNL = "/srv/nl/quiet.lst";
    return server;
}

// An event at the values of a new default race.
RACE DefaultEvent(int sim) {
    RACE event;
    SetNewDefaultRaceValues(event, sim == 1);
    event.UseInvite = 0;
    event.UseMuzzle = 0;
    return event;
}

RACE AllOn(RACE event) {
    event.ArcadeMode = event.CautionFlags = event.PaceLap = event.DoubleFileRestarts = 7;
    event.AllowAI = event.FixedSetups = event.ForceSmoke = event.SaveReplay = 2;
    event.UseInvite = event.UseMuzzle = event.SaveResults = 1;
    event.Damage = 2;
    event.FixedWeather = 0;
    event.WindSpeed = 12;
    event.WindDirection = 7;
    event.RacePassword = "pit stop";
    return event;
}

} // namespace

TEST(EventOptions, OptionsTextHoldsEveryItemInItsPlace) {
    TempFolder folder;
    SERVER server = TestServer(folder);
    SERVER tuned = server;
    tuned.ShowDisplay = 3;
    tuned.WonName = "racer";
    tuned.WonPassword = "secret word";
    tuned.Security = 4;
    tuned.CheckLatency = 1;
    tuned.AddedParams = "extra 1";
    tuned.ResultsToHTML = 1;
    // The results page needs both the event's saved results and the server's HTML setting; the options
    // file of an event at its defaults is checked byte for byte below.
    struct Case {
        const char* name;
        RACE event;
        const SERVER& server;
        std::string text;
        std::string page;
    };
    const Case cases[] = {
        {"N3 with everything on", AllOn(DefaultEvent(0)), tuned,
         " race 1 len 10 mode 1 d 2 y 1 p 1 df 1 ai 1 fix 1 sm 1 pr 30 wu 1 \n"
         "temp 70 windspd 12 winddir 7 weather 0 disp 1 uid 'racer' upw 'secret word' ro 5 \n"
         "maxp 43 maxc 42 name 'Anonymous' passw 'pit stop' admin 'kelp' lat 250 \n"
         "security 4 replay 1 invite 'invite.lst' muzzle 'muzzle.lst' stn 'evt00012.WON' \nextra 1",
         "C:\\Sims\\evt00012.html"},
        {"NL with everything on, the server's HTML setting off", AllOn(DefaultEvent(1)), server,
         " race 1 len 10 mode 1 d 2 y 1 p 1 df 1 ai 1 fix 1 sm 1 pr 30 wu 1 \n"
         "temp 70 windspd 12 winddir 7 weather 1 \n"
         "maxp 43 maxc 42 name 'Anonymous' passw 'pit stop' admin 'kelp' lat 0 \n"
         "invite 'friends.lst' muzzle 'quiet.lst' stn 'evt00012.stn' ",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventOptions options(c.event, c.server, 12);
        EXPECT_EQ(options.BuildOptionsText("C:\\Sims\\evt00012.dmn"), c.text);
        EXPECT_EQ(options.HtmlPagePath(), c.page);
    }
}

TEST(EventOptions, CommandLineNamesTheProgramTheArenaAndTheEventFile) {
    TempFolder folder;
    folder.Write("n3/installed", "");
    folder.Write("nl/installed", "");
    SERVER server = TestServer(folder);
    server.ArenaN3 = 2;
    server.ArenaNL = 5;
    RACE n3 = DefaultEvent(0);
    n3.SimExe = "C:\\Sims\\N3\\Nascar Racing 3.exe";
    EXPECT_EQ(EventOptions(n3, server, 7).BuildCommandLine(),
              "\"Nascar Racing 3.exe\" \"arena:Charlie\" \"serv: file evt00007.dmn\"");
    EXPECT_TRUE(folder.Exists("n3/evt00007.dmn"));
    n3.SimExe = "C:\\Sims\\N3\\Course \xE0 3.exe";
    EXPECT_EQ(EventOptions(n3, server, 7).QuotedExeName(), "\"Course \u00E0 3.exe\"");
    RACE nl = DefaultEvent(1);
    nl.SimExe = "/srv/nl/legends";
    EXPECT_EQ(EventOptions(nl, server, 1).BuildCommandLine(),
              "\"legends\" \"arena:Ford\" \"serv: file evt00001.dmn\"");

    const std::pair<int, const char*> arenas[] = {{0, "Alpha"}, {6, "Invisible"}, {7, ""}, {-1, ""}};
    for (const auto& [arena, name] : arenas) {
        server.ArenaN3 = server.ArenaNL = arena;
        EXPECT_EQ(EventOptions(n3, server, 1).ArenaName(), name);
    }
    server.ArenaNL = 0;
    EXPECT_EQ(EventOptions(nl, server, 1).ArenaName(), "Allison");
    server.ArenaNL = 6;
    EXPECT_EQ(EventOptions(nl, server, 1).ArenaName(), "Invisible");
}

TEST(EventOptions, AnEventFileThatCannotBeWrittenIsToldAndLeftOutOfTheCommandLine) {
    MessageRecorder recorder;
    TempFolder folder;
    SERVER server = TestServer(folder);
    RACE event = DefaultEvent(1);
    event.SimExe = "legends";
    EXPECT_EQ(EventOptions(event, server, 3).BuildCommandLine(),
              "\"legends\" \"arena:Allison\" \"serv: file \"");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       folder.File("nl/evt00003.dmn") + "\n\nfile not found"});
}

TEST(EventOptions, QuotesAndLineEndsAreLeftOutOfQuotedTextsAndToldByKey) {
    MessageRecorder recorder;
    TempFolder folder;
    folder.Write("n3/evt00001.dmn", "an older run's file");
    SERVER server = TestServer(folder);
    server.HostName = "Joe's\r\nServer";
    server.AdminPassword = "'kelp'";
    server.WonName = "racer\n";
    server.WonPassword = "it''s";
    RaceList events;
    events.push_back(std::make_unique<RACE>(DefaultEvent(0)));
    events.push_back(std::make_unique<RACE>(DefaultEvent(0)));
    events[1]->TrackName = "Oak Ridge";
    events[1]->RacePassword = "pit'\nstop";

    // Written with CR LF line ends and none after the last line, over an older run's file.
    EXPECT_EQ(EventOptions(*events[1], server, 1).WriteEventFile(), folder.File("n3/evt00001.dmn"));
    EXPECT_EQ(folder.Read("n3/evt00001.dmn"),
              " race 1 len 10 mode 0 d 0 y 0 p 0 df 0 ai 0 fix 0 sm 0 pr 30 wu 1 \r\n"
              "temp 70 windspd 0 winddir 0 weather 1 disp 0 uid 'racer' upw 'its' ro 5 \r\n"
              "maxp 43 maxc 42 name 'JoesServer' passw 'pitstop' admin 'kelp' lat 0 \r\n"
              "security 0 replay 0 stn '' ");
    EXPECT_TRUE(recorder.messages.empty());

    const std::string cannotCarry =
        " holds a single quote or a line end, which the options file cannot carry; "
        "they are left out.";
    EXPECT_EQ(UnquotableTexts(server, events),
              (std::vector<std::string>{"HostName" + cannotCarry, "AdminPassword" + cannotCarry,
                                        "WonName" + cannotCarry, "WonPassword" + cannotCarry,
                                        "Event 2 (Oak Ridge): RacePassword" + cannotCarry}));
    EXPECT_TRUE(UnquotableTexts(TestServer(folder), {}).empty());
}

TEST(EventOptions, TextsAreWrittenInWindows1252AndCharactersItCannotHoldAreToldByKey) {
    MessageRecorder recorder;
    TempFolder folder;
    folder.Write("nl/installed", "");
    SERVER server = TestServer(folder);
    server.HostName = "Caf\u00E9";
    server.AdminPassword = "Caf\xE9";
    server.AddedParams = "\u03A3 x";
    RACE event = DefaultEvent(1);
    event.TrackName = "K\xF6ln";
    event.RacePassword = "\U0001F3C1";
    RaceList events;
    events.push_back(std::make_unique<RACE>(event));

    EventOptions options(event, server, 1);
    std::string text = options.BuildOptionsText("evt00001.dmn");
    EXPECT_EQ(text.substr(text.find("name"), 39), "name 'Caf\u00E9' passw '\U0001F3C1' admin 'Caf\u00E9'");
    options.WriteEventFile();
    std::string bytes = folder.Read("nl/evt00001.dmn");
    EXPECT_EQ(bytes.substr(bytes.find("name")),
              "name 'Caf\xE9' passw '?' admin 'Caf\xE9' lat 0 \r\nstn '' \r\n? x");

    const std::string cannotRead =
        " holds characters outside the Western European Windows character set, "
        "which the simulators cannot read; the options file carries \"?\" for each.";
    EXPECT_EQ(UnwritableTexts(server, events),
              (std::vector<std::string>{"AddedParams" + cannotRead,
                                        "Event 1 (K\u00F6ln): RacePassword" + cannotRead}));
}
