#include "platform/process.h"

#include "platform/program_file.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Programs are started from a temporary folder made the current folder, as from a simulator's folder.
class ProcessTest : public ::testing::Test {
protected:
    ProcessTest() { std::filesystem::current_path(m_temp.Path()); }
    ~ProcessTest() override {
        std::filesystem::current_path(m_before);
        ClearStopRequests();
    }

    void WriteScript(const std::string& name, const std::string& body, mode_t mode = 0755) const {
        m_temp.Write(name, "#!/bin/sh\n" + body);
        chmod(m_temp.File(name).c_str(), mode);
    }

    // The full path of a file of the current folder, as FindProgram gives it.
    static std::string Here(const std::string& name) {
        return std::filesystem::current_path().string() + "/" + name;
    }

    std::filesystem::path m_before = std::filesystem::current_path();
    TempFolder m_temp;
};

// A fake wine and xvfb-run, alone on $PATH, that write their arguments (and for wine the command line
// handed to the launcher and its DLL overrides) into the current folder; xvfb-run then runs the rest of
// its command line, as the real one does after its -a. The program folder holds the launchers.
class WineTest : public ProcessTest {
protected:
    WineTest() {
        WriteScript("bin/wine",
                    "printf '%s\\n' \"$@\" \"$QUORVA_COMMAND_LINE\" \"$WINEDLLOVERRIDES\" >wine-args\n"
                    "echo 'wine says' >&2\nexit 7\n");
        WriteScript("bin/xvfb-run", "printf '%s\\n' \"$@\" >xvfb-args\nshift\nexec \"$@\"\n");
        m_temp.Write("Nascar Legends.exe", std::string("MZ\x90\0\3\0", 6));
        m_temp.Write("program/quorva-launch32.exe", "MZ");
        OverrideProgramFilePath(m_temp.File("program/quorva"));
    }
    ~WineTest() override { OverrideProgramFilePath(""); }

    std::string Launcher() const { return m_temp.File("program/quorva-launch32.exe"); }

    std::string m_bin = m_temp.File("bin");
    ScopedEnv m_path{"PATH", m_bin.c_str()};
};

// Waits for the process while another thread requests stops, as the console runner's Ctrl-C handler
// does, and interrupts the wait with a signal whose handler does nothing (no SA_RESTART).
ProcessEnd WaitWhileStopsAreRequested(const StartedProcess& process, int requests) {
    using namespace std::chrono_literals;
    struct sigaction interrupting {};
    struct sigaction old {};
    interrupting.sa_handler = [](int) {};
    sigaction(SIGUSR1, &interrupting, &old);
    pthread_t waiting = pthread_self();
    std::atomic<bool> ended{false};
    std::thread helper([&] {
        // Late enough that the wait has begun.
        std::this_thread::sleep_for(200ms);
        for (int i = 0; i < requests; ++i)
            RequestStop(SIGINT);
        // Again and again: a signal that lands just before the wait is entered does not interrupt it.
        while (!ended) {
            pthread_kill(waiting, SIGUSR1);
            std::this_thread::sleep_for(50ms);
        }
    });
    ProcessEnd end = WaitForProgram(process);
    ended = true;
    helper.join();
    sigaction(SIGUSR1, &old, nullptr);
    return end;
}

} // namespace

TEST(SplitWindowsCommandLine, FollowsTheWindowsRules) {
    struct Case {
        const char* name;
        std::string line;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"Quorva's own, the program with spaces and backslashes",
         "\"C:\\Sims\\NL\\Nascar Legends.exe\" \"arena:Allison\" \"serv: file evt00003.dmn\"",
         {"C:\\Sims\\NL\\Nascar Legends.exe", "arena:Allison", "serv: file evt00003.dmn"}},
        {"unclosed program quote", "\"Nascar Legends.exe", {"Nascar Legends.exe"}},
        {"unquoted program ends at a tab, keeping its quotes",
         "n\"3.exe\tone\t\ttwo",
         {"n\"3.exe", "one", "two"}},
        {"backslashes without a quote are literal", "p a\\\\\\b", {"p", "a\\\\\\b"}},
        {"odd backslashes make the quote literal", "p a\\\\\\\"b c", {"p", "a\\\"b", "c"}},
        {"even backslashes halve and the quote delimits", "p a\\\\\\\\\"b c\" d", {"p", "a\\\\b c", "d"}},
        {"doubled quote inside quotes", "p a\"b\"\" c d", {"p", "ab\" c d"}},
        {"nothing", " \t", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitWindowsCommandLine(c.line), c.arguments);
    }
}

TEST_F(ProcessTest, FindProgramLooksInTheCurrentFolderWithoutCaseThenOnPath) {
    for (const char* name : {"Nascar Legends.exe", "Racer.exe", "Sub/Game.exe", "first/tool"})
        m_temp.Write(name, "MZ");
    for (const char* folder : {"Pits.exe", "third/tool"})
        std::filesystem::create_directories(m_temp.File(folder));
    std::string path = m_temp.File("missing") + "::" + m_temp.File("third") + ":" + m_temp.File("first");
    ScopedEnv onPath("PATH", path.c_str());
    EXPECT_EQ(FindProgram("nascar legends.EXE"), Here("Nascar Legends.exe"));
    EXPECT_EQ(FindProgram("racer"), Here("Racer.exe"));
    EXPECT_EQ(FindProgram("tool"), m_temp.File("first/tool"));
    EXPECT_EQ(FindProgram("sub\\GAME.exe"), "Sub/Game.exe");
    // Folders are not programs.
    for (const char* missing : {"pits.exe", "sub\\none.exe", ""})
        EXPECT_EQ(FindProgram(missing), "") << missing;
}

TEST_F(ProcessTest, ProgramRunsWithItsArgumentsInTheCurrentFolderAndItsStatusComesBack) {
    WriteScript("Report.sh", "printf '%s\\n' \"$0\" \"$@\" > args\npwd -P > where\nexit 3\n");
    ProcessStart start = StartProgram("report.SH \"arena:Allison\" \"serv: file evt00003.dmn\" a\\\"b \"\"");
    ASSERT_TRUE(start.process) << start.failure;
    // Its own process group, so that the terminal's Ctrl-C does not reach it.
    EXPECT_EQ(getpgid(start.process->pid), start.process->pid);
    ProcessEnd end = WaitForProgram(*start.process);
    EXPECT_EQ(end.exitStatus, 3);
    EXPECT_EQ(m_temp.Read("args"), Here("Report.sh") + "\narena:Allison\nserv: file evt00003.dmn\na\"b\n\n");
    EXPECT_EQ(m_temp.Read("where"), std::filesystem::canonical(m_temp.Path()).string() + "\n");
    // Already waited for.
    EXPECT_EQ(WaitForProgram(*start.process).exitStatus, -1);
    EXPECT_EQ(WaitForProgram(StartedProcess{}).exitStatus, -1);
}

TEST_F(ProcessTest, ProgramThatCannotStartSaysWhy) {
    WriteScript("Locked.sh", "exit 0\n", 0644);
    m_temp.Write("notes.exe", "a text file");
    const std::pair<std::string, std::string> rows[] = {
        {"locked.sh a", Here("Locked.sh") + " could not be started: Permission denied"},
        {"\"Missing Sim.exe\" a", "Missing Sim.exe was not found"},
        {"/nowhere/sim a", "/nowhere/sim was not found"},
        {"  ", "the command line names no program"},
        {"notes.exe", Here("notes.exe") + " is neither a Windows nor a Linux program"},
    };
    for (const auto& [line, failure] : rows) {
        SCOPED_TRACE(line);
        ProcessStart start = StartProgram(line);
        EXPECT_FALSE(start.process);
        EXPECT_EQ(start.failure, failure);
    }
}

TEST_F(WineTest, WindowsProgramRunsThroughWineWithItsCommandLineVerbatimAndWithoutADisplayOnAVirtualOne) {
    const std::string line = "\"nascar legends.exe\" \"arena:Bowman Gray\"  \"serv: file evt00003.dmn\"";
    const std::string virtualDisplay = "through wine, on a virtual display (xvfb-run -a)";
    struct Row {
        const char* name;
        const char* display;
        const char* overrides;
        std::string how;
        std::string overridesGiven;
    };
    const Row rows[] = {
        {"DISPLAY set", ":5", nullptr, "through wine", "winedbg.exe=d"},
        {"empty DISPLAY", "", "mscoree=d", virtualDisplay, "mscoree=d;winedbg.exe=d"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedEnv display("DISPLAY", row.display);
        ScopedEnv overrides("WINEDLLOVERRIDES", row.overrides);
        std::filesystem::remove(m_temp.File("xvfb-args"));
        ProcessStart start = StartProgram(line, m_temp.File("evt00003.log"));
        ASSERT_TRUE(start.process) << start.failure;
        EXPECT_EQ(start.process->how, row.how);
        EXPECT_EQ(WaitForProgram(*start.process).exitStatus, 7);
        EXPECT_EQ(m_temp.Read("wine-args"), Launcher() + "\n" + line + "\n" + row.overridesGiven + "\n");
        EXPECT_EQ(m_temp.Read("evt00003.log"), "wine says\n");
        EXPECT_EQ(m_temp.Read("xvfb-args"),
                  row.how == virtualDisplay ? "-a\n" + m_bin + "/wine\n" + Launcher() + "\n" : "");
    }
}

TEST_F(WineTest, MissingWineLauncherOrXvfbRunIsAFailure) {
    std::filesystem::remove(Launcher());
    EXPECT_EQ(StartProgram("\"Nascar Legends.exe\"").failure,
              "Quorva's launcher " + Launcher() + " is missing");
    m_temp.Write("program/quorva-launch32.exe", "MZ");
    std::filesystem::remove(m_temp.File("bin/xvfb-run"));
    ScopedEnv noDisplay("DISPLAY", nullptr);
    EXPECT_EQ(StartProgram("\"Nascar Legends.exe\"").failure, "xvfb-run was not found");
    std::filesystem::remove(m_temp.File("bin/wine"));
    EXPECT_EQ(StartProgram("\"Nascar Legends.exe\"").failure,
              "Wine is not installed: there is no wine on the search path");
}

TEST_F(ProcessTest, OneStopRequestLetsTheProgramFinishASecondEndsItWithSigterm) {
    struct Row {
        int requests;
        const char* script;
        int exitStatus;
        int signal;
    };
    for (const Row& row : {Row{1, "sleep 0.6\nexit 4\n", 4, 0}, Row{2, "sleep 10\nexit 0\n", 0, SIGTERM}}) {
        SCOPED_TRACE(row.requests);
        ClearStopRequests();
        WriteScript("race.sh", row.script);
        ProcessStart start = StartProgram("race.sh");
        ASSERT_TRUE(start.process) << start.failure;
        ProcessEnd end = WaitWhileStopsAreRequested(*start.process, row.requests);
        EXPECT_EQ(end.exitStatus, row.exitStatus);
        EXPECT_EQ(end.signal, row.signal);
        EXPECT_EQ(StopRequests(), row.requests);
    }
}
