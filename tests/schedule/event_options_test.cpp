#include "schedule/event_options.h"

#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

// An event file that cannot be written is told and gives no command line. The file: Windows-1252,
// CR LF between lines, over an older run's file; quoted texts lose quotes and line ends; "?" for the rest.
TEST(EventOptions, TheCommandLineNamesTheEventFileWhichCarriesOnlyWhatTheSimulatorsCanRead) {
    MessageRecorder recorder;
    TempFolder folder;
    SERVER server;
    server.HostName = "Joe's\r\nCaf\u00E9";
    server.AdminPassword = "Caf\xE9";
    server.WonName = "racer\n";
    server.WonPassword = "secret word";
    server.Security = 4;
    server.AddedParams = "\u03A3 x";
    server.Millisecs = 250;
    server.MaxConnections = 42;
    server.FieldSize = 43;
    server.PathN3 = folder.File("n3/");
    server.PathNL = folder.File("nl/");
    server.InviteFileN3 = "C:\\Sims\\N3\\invite.lst";
    server.MuzzleFileN3 = "C:\\Sims\\N3\\muzzle.lst";
    server.InviteFileNL = "C:\\Sims\\NL\\Invite.lst";
    server.MuzzleFileNL = "C:\\Sims\\NL\\Muzzle.lst";
    server.ArenaN3 = 2;
    server.ArenaNL = 5;
    RACE nl;
    SetNewDefaultRaceValues(nl, true);
    nl.SimExe = "/srv/nl/legends";
    EXPECT_EQ(EventOptions(nl, server, LaunchFilesOf(nl, server, 1)).BuildCommandLine(), "");
    EXPECT_TRUE(recorder.Texts().at(0).ends_with(folder.File("nl/evt00001.dmn") + "\n\nfile not found"));
    folder.Write("nl/installed", "");
    EXPECT_EQ(EventOptions(nl, server, LaunchFilesOf(nl, server, 1)).BuildCommandLine(),
              "\"legends\" \"arena:Ford\" \"serv: file evt00001.dmn\"");
    // NASCAR Legends reads a shorter layout: no display, WON or security items; its weather flag is reversed.
    EXPECT_EQ(folder.Read("nl/evt00001.dmn"),
              " race 1 len 10 mode 0 d 0 y 0 p 0 df 0 ai 0 fix 0 sm 0 pr 30 wu 1 \r\n"
              "temp 70 windspd 0 winddir 0 weather 0 \r\n"
              "maxp 43 maxc 42 name 'JoesCaf\xE9' passw '' admin 'Caf\xE9' lat 0 \r\n"
              "invite 'Invite.lst' muzzle 'Muzzle.lst' stn '' \r\n? x");
    // A hand-edited simulator other than 0 races as NASCAR Legends.
    RACE edited = nl;
    edited.Sim = 2;
    edited.SaveResults = 1;
    LaunchFiles editedFiles = LaunchFilesOf(edited, server, 2);
    EXPECT_EQ(editedFiles.standings, folder.File("nl/evt00002.stn"));
    EXPECT_EQ(EventOptions(edited, server, editedFiles).BuildCommandLine(),
              "\"legends\" \"arena:Ford\" \"serv: file evt00002.dmn\"");
    folder.Write("n3/installed", "");
    RACE n3;
    n3.SimExe = "C:\\Sims\\N3\\Nascar Racing 3.exe";
    EXPECT_EQ(EventOptions(n3, server, LaunchFilesOf(n3, server, 7)).BuildCommandLine(),
              "\"Nascar Racing 3.exe\" \"arena:Charlie\" \"serv: file evt00007.dmn\"");
    n3.SimExe = "C:\\Sims\\N3\\Course \xE0 3.exe";
    EXPECT_EQ(EventOptions(n3, server, LaunchFilesOf(n3, server, 7)).QuotedExeName(),
              "\"Course \u00E0 3.exe\"");
    server.ArenaN3 = 6;
    EXPECT_EQ(EventOptions(n3, server, LaunchFilesOf(n3, server, 1)).ArenaName(), "Invisible");
    server.ArenaN3 = 7;
    EXPECT_EQ(EventOptions(n3, server, LaunchFilesOf(n3, server, 1)).ArenaName(), "");

    folder.Write("n3/evt00001.dmn", "an older run's file");
    server.CheckLatency = server.ShowDisplay = 3;
    RaceList events;
    RACE& e = *events.emplace_back(std::make_unique<RACE>());
    SetNewDefaultRaceValues(e, false);
    e.ArcadeMode = e.CautionFlags = e.PaceLap = e.DoubleFileRestarts = e.WindDirection = 7;
    e.AllowAI = e.FixedSetups = e.ForceSmoke = e.SaveReplay = e.SaveResults = e.Damage = 2;
    e.WindSpeed = 12;
    e.TrackName = "K\xF6ln";
    e.RacePassword = "pit'\n\U0001F3C1";

    EXPECT_TRUE(EventOptions(e, server, LaunchFilesOf(e, server, 1)).WriteEventFile());
    EXPECT_EQ(folder.Read("n3/evt00001.dmn"),
              " race 1 len 10 mode 1 d 2 y 1 p 1 df 1 ai 1 fix 1 sm 1 pr 30 wu 1 \r\n"
              "temp 70 windspd 12 winddir 7 weather 1 disp 1 uid 'racer' upw 'secret word' ro 5 \r\n"
              "maxp 43 maxc 42 name 'JoesCaf\xE9' passw 'pit?' admin 'Caf\xE9' lat 250 \r\n"
              "security 4 replay 1 invite 'invite.lst' muzzle 'muzzle.lst' stn 'evt00001.WON' \r\n? x");
    EXPECT_EQ(recorder.messages.size(), 1u);

    server.MuzzleFileN3 = "C:\\O'Neil\\mu'zzle.lst";
    const std::string cannotCarry =
        " holds a single quote or a line end, which the options file cannot carry; they are left out.";
    EXPECT_EQ(UnquotableTexts(server, events),
              (std::vector<std::string>{"HostName" + cannotCarry, "WonName" + cannotCarry,
                                        "MuzzleFileN3" + cannotCarry,
                                        "Event 1 (K\u00F6ln): RacePassword" + cannotCarry}));
    const std::string cannotRead =
        " holds characters outside the Western European Windows character set, "
        "which the simulators cannot read; the options file carries \"?\" for each.";
    EXPECT_EQ(UnwritableTexts(server, events),
              (std::vector<std::string>{"AddedParams" + cannotRead,
                                        "Event 1 (K\u00F6ln): RacePassword" + cannotRead}));
}
