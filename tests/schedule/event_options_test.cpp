#include "schedule/event_options.h"

#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

// The server of a new settings file, with its simulators in the test's folder.
SERVER TestServer(const TempFolder& folder) {
    SERVER server;
    server.HostName = "Anonymous";
    server.AdminPassword = "kelp";
    server.MaxConnections = 42;
    server.FieldSize = 43;
    server.Millisecs = 250;
    server.PathN3 = folder.File("n3/");
    server.PathNL = folder.File("nl/");
    server.InviteFileN3 = "C:\\Sims\\N3\\invite.lst";
    server.MuzzleFileN3 = "C:\\Sims\\N3\\muzzle.lst";
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

} // namespace

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
    // NASCAR Legends reads a shorter layout: no display, WON or security items, and the weather flag
    // the other way round.
    EXPECT_EQ(folder.Read("nl/evt00001.dmn"),
              " race 1 len 10 mode 0 d 0 y 0 p 0 df 0 ai 0 fix 0 sm 0 pr 30 wu 1 \r\n"
              "temp 70 windspd 0 winddir 0 weather 0 \r\n"
              "maxp 43 maxc 42 name 'Anonymous' passw '' admin 'kelp' lat 0 \r\nstn '' ");
    server.ArenaN3 = server.ArenaNL = 6;
    EXPECT_EQ(EventOptions(n3, server, 1).ArenaName(), "Invisible");
    EXPECT_EQ(EventOptions(nl, server, 1).ArenaName(), "Invisible");
    server.ArenaN3 = 7;
    EXPECT_EQ(EventOptions(n3, server, 1).ArenaName(), "");
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

// Every item in its place, written in Windows-1252 with CR LF line ends and none after the last line, over
// an older run's file; quotes and line ends are left out of quoted texts, characters Windows-1252 cannot
// hold become "?", and both are told by key.
TEST(EventOptions, TheEventFileCarriesOnlyWhatTheSimulatorsCanReadAndTellsTheRestByKey) {
    MessageRecorder recorder;
    TempFolder folder;
    folder.Write("n3/evt00001.dmn", "an older run's file");
    SERVER server = TestServer(folder);
    server.HostName = "Joe's\r\nCaf\u00E9";
    server.AdminPassword = "Caf\xE9";
    server.ShowDisplay = 3;
    server.WonName = "racer\n";
    server.WonPassword = "secret word";
    server.Security = 4;
    server.CheckLatency = 1;
    server.AddedParams = "\u03A3 x";
    RaceList events;
    events.push_back(std::make_unique<RACE>(DefaultEvent(0)));
    RACE& event = *events[0];
    event.ArcadeMode = event.CautionFlags = event.PaceLap = event.DoubleFileRestarts = 7;
    event.AllowAI = event.FixedSetups = event.ForceSmoke = event.SaveReplay = 2;
    event.UseInvite = event.UseMuzzle = event.SaveResults = 1;
    event.Damage = 2;
    event.FixedWeather = 0;
    event.WindSpeed = 12;
    event.WindDirection = 7;
    event.TrackName = "K\xF6ln";
    event.RacePassword = "pit'\n\U0001F3C1";

    EXPECT_EQ(EventOptions(event, server, 1).WriteEventFile(), folder.File("n3/evt00001.dmn"));
    EXPECT_EQ(folder.Read("n3/evt00001.dmn"),
              " race 1 len 10 mode 1 d 2 y 1 p 1 df 1 ai 1 fix 1 sm 1 pr 30 wu 1 \r\n"
              "temp 70 windspd 12 winddir 7 weather 0 disp 1 uid 'racer' upw 'secret word' ro 5 \r\n"
              "maxp 43 maxc 42 name 'JoesCaf\xE9' passw 'pit?' admin 'Caf\xE9' lat 250 \r\n"
              "security 4 replay 1 invite 'invite.lst' muzzle 'muzzle.lst' stn 'evt00001.WON' \r\n? x");
    EXPECT_TRUE(recorder.messages.empty());

    const std::string cannotCarry =
        " holds a single quote or a line end, which the options file cannot carry; they are left out.";
    EXPECT_EQ(UnquotableTexts(server, events),
              (std::vector<std::string>{"HostName" + cannotCarry, "WonName" + cannotCarry,
                                        "Event 1 (K\u00F6ln): RacePassword" + cannotCarry}));
    const std::string cannotRead =
        " holds characters outside the Western European Windows character set, "
        "which the simulators cannot read; the options file carries \"?\" for each.";
    EXPECT_EQ(UnwritableTexts(server, events),
              (std::vector<std::string>{"AddedParams" + cannotRead,
                                        "Event 1 (K\u00F6ln): RacePassword" + cannotRead}));
}
