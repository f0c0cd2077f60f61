#include "app/startup.h"

#include "core/app_state.h"
#include "simfiles/calendars.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void Register(const std::string& appPaths) {
        prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n" + appPaths);
    }

    static std::string AppPath(const std::string& program, const std::string& path) {
        return "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\" + program +
               "]\n\"Path\"=\"" + path + "\"\n";
    }

    // The settings file's lines without their line ends.
    std::vector<std::string> SettingsLines() const {
        std::ifstream file(program.SettingsFile());
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        return lines;
    }

    ScopedProgramFolder program;
    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    MessageRecorder recorder;
};

} // namespace

TEST_F(StartUpTest, AFoundFolderGetsItsBackslashAndItsFiles) {
    Register(AppPath("NASCAR Racing 3.exe", "C:\\\\Games\\\\Racing"));
    ASSERT_TRUE(StartUp());
    EXPECT_TRUE(N3Installed);
    EXPECT_FALSE(NLInstalled);
    EXPECT_EQ(Server->PathN3, "C:\\Games\\Racing\\");
    EXPECT_EQ(Server->CalendarFileN3, "C:\\Games\\Racing\\all.cal");
    EXPECT_EQ(Server->InviteFileN3, "C:\\Games\\Racing\\invite.lst");
    EXPECT_EQ(Server->MuzzleFileN3, "C:\\Games\\Racing\\muzzle.lst");
    EXPECT_EQ(Server->PathNL, "Path not found");
    EXPECT_EQ(Server->CalendarFileNL, "");
    EXPECT_NE(CalendarN3, nullptr);
    // The first run creates the settings file and takes the built-in default race.
    std::vector<std::string> lines = SettingsLines();
    ASSERT_GE(lines.size(), 43u);
    EXPECT_EQ(lines[0], "[SERVER]");
    EXPECT_EQ(lines[1], "HostName=Anonymous");
    EXPECT_EQ(lines[2], "AdminPassword=kelp");
    EXPECT_EQ(lines[5], "PathN3=C:\\Games\\Racing\\");
    EXPECT_EQ(lines[19], "MaxConnections=42");
    EXPECT_EQ(lines[20], "FieldSize=43");
    EXPECT_EQ(lines[35], "ClockAdjust=0");
    EXPECT_EQ(lines[42], "Security=0");
    EXPECT_TRUE(lines.size() == 43u || lines[43].starts_with("[")) << lines[43];
    EXPECT_EQ(DefaultRace->Sim, 1);
    EXPECT_TRUE(EventList.empty());
    EXPECT_EQ(ProgramVersion, "0.00");
    EXPECT_TRUE(recorder.messages.empty());

    // Start-up again keeps the records and resets them; shut-down frees them.
    SERVER* server = Server.get();
    Server->HostName = "changed in memory";
    ASSERT_TRUE(CreateServer());
    EXPECT_EQ(Server.get(), server);
    EXPECT_EQ(Server->HostName, "Anonymous");
    ShutDown();
    EXPECT_EQ(Server, nullptr);
    EXPECT_EQ(DefaultRace, nullptr);
    EXPECT_EQ(CalendarN3, nullptr);
}

TEST_F(StartUpTest, WithoutAnySimulatorTheProgramEndsAndWritesNothing) {
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"No sims have been installed (correctly) on this computer."});
    EXPECT_EQ(recorder.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
    EXPECT_FALSE(N3Installed || NLInstalled);
    ShutDown();
    ShutDown();
}
