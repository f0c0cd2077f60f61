#include "platform/process.h"

#include "platform/program_file.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Programs are started from a temporary folder made the current folder, as from a simulator's folder.
class ProcessTest : public ::testing::Test {
protected:
    ProcessTest() { std::filesystem::current_path(m_temp.Path()); }
    ~ProcessTest() override { std::filesystem::current_path(m_before); }

    void WriteScript(const std::string& name, const std::string& body, mode_t mode = 0755) const {
        m_temp.Write(name, "#!/bin/sh\n" + body);
        chmod(m_temp.File(name).c_str(), mode);
    }

    // The full path of a file of the current folder, as FindProgram gives it.
    static std::string Here(const std::string& f) { return (std::filesystem::current_path() / f).string(); }

    std::filesystem::path m_before = std::filesystem::current_path();
    TempFolder m_temp;
};

} // namespace

TEST(SplitWindowsCommandLine, FollowsTheWindowsRules) {
    const struct {
        const char *name, *line, *arguments;
    } cases[] = {
        {"Quorva's own, the program with spaces and backslashes",
         "\"C:\\Sims\\NL\\Nascar Legends.exe\" \"arena:Allison\" \"serv: file evt00003.dmn\"",
         "C:\\Sims\\NL\\Nascar Legends.exe|arena:Allison|serv: file evt00003.dmn|"},
        {"unclosed program quote", "\"Nascar Legends.exe", "Nascar Legends.exe|"},
        {"unquoted program ends at a tab, keeping its quotes", "n\"3.exe\tone\t\ttwo", "n\"3.exe|one|two|"},
        {"backslashes without a quote are literal", "p a\\\\\\b", "p|a\\\\\\b|"},
        {"odd backslashes make the quote literal", "p a\\\\\\\"b c", "p|a\\\"b|c|"},
        {"even backslashes halve and the quote delimits", "p a\\\\\\\\\"b c\" d", "p|a\\\\b c|d|"},
        {"doubled quote inside quotes", "p a\"b\"\" c d", "p|ab\" c d|"},
        {"nothing", " \t", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string arguments;
        for (const std::string& argument : SplitWindowsCommandLine(c.line))
            arguments += argument + "|";
        EXPECT_EQ(arguments, c.arguments);
    }
}

TEST_F(ProcessTest, FindProgramLooksInTheCurrentFolderWithoutCaseAddingExeAndAProgramThatCannotStartSaysWhy) {
    m_temp.Write("Racer.exe", "MZ");
    std::filesystem::create_directories(m_temp.File("Pits.exe"));
    EXPECT_EQ(FindProgram("racer"), Here("Racer.exe"));
    for (const char* missing : {"pits.exe", "sub\\none.exe", ""})
        EXPECT_EQ(FindProgram(missing), "") << missing;

    WriteScript("Locked.sh", "exit 0\n", 0644);
    m_temp.Write("notes.exe", "a text file");
    const std::pair<std::string, std::string> rows[] = {
        {"locked.sh a", Here("Locked.sh") + " could not be started: Permission denied"},
        {"\"Missing Sim.exe\" a", "Missing Sim.exe was not found"},
        {"/nowhere/sim a", "/nowhere/sim was not found"},
        {"  ", "the command line names no program"},
        {"notes.exe", Here("notes.exe") + " is neither a Windows nor a Linux program"}};
    for (const auto& [line, failure] : rows) {
        SCOPED_TRACE(line);
        ProcessStart start = StartProgram(line);
        EXPECT_FALSE(start.process);
        EXPECT_EQ(start.failure, failure);
    }

    // Wine and xvfb-run alone on $PATH, and no display.
    for (const char* name : {"bin/wine", "bin/xvfb-run"})
        WriteScript(name, "exit 0\n");
    m_temp.Write("Nascar Legends.exe", std::string("MZ\x90\0\3\0", 6));
    OverrideProgramFilePath(m_temp.File("program/quorva"));
    ScopedEnv path("PATH", m_temp.File("bin").c_str());
    ScopedEnv noDisplay("DISPLAY", nullptr);
    auto failure = [] { return StartProgram("\"Nascar Legends.exe\"").failure; };
    EXPECT_EQ(failure(), "Quorva's launcher " + m_temp.File("program/quorva-launch32.exe") + " is missing");
    m_temp.Write("program/quorva-launch32.exe", "MZ");
    std::filesystem::remove(m_temp.File("bin/xvfb-run"));
    EXPECT_EQ(failure(), "xvfb-run was not found");
    std::filesystem::remove(m_temp.File("bin/wine"));
    EXPECT_EQ(failure(), "Wine is not installed: there is no wine on the search path");
    OverrideProgramFilePath("");
}

TEST_F(ProcessTest, ProgramRunsWithItsArgumentsInTheCurrentFolderItsStatusComesBackAndAStopOrRaceEndEndsIt) {
    WriteScript("Report.sh", "printf '%s\\n' \"$0\" \"$@\" > args\npwd -P > where\nexit 3\n");
    ProcessStart start = StartProgram("report.SH \"arena:Allison\" \"serv: file evt00003.dmn\" a\\\"b \"\"");
    ASSERT_TRUE(start.process) << start.failure;
    // Its own process group, so that the terminal's Ctrl-C does not reach it.
    EXPECT_EQ(getpgid(start.process->pid), start.process->pid);
    EXPECT_EQ(WaitForProgram(*start.process).exitStatus, 3);
    EXPECT_EQ(m_temp.Read("args"), Here("Report.sh") + "\narena:Allison\nserv: file evt00003.dmn\na\"b\n\n");
    EXPECT_EQ(m_temp.Read("where"), std::filesystem::canonical(m_temp.Path()).string() + "\n");
    // Already waited for.
    EXPECT_EQ(WaitForProgram(*start.process).exitStatus, -1);
    EXPECT_EQ(WaitForProgram(StartedProcess{}).exitStatus, -1);

    WriteScript("race.sh", "sleep 10\n");
    ProcessStart race = StartProgram("race.sh");
    ASSERT_TRUE(race.process) << race.failure;
    RequestStop(SIGINT);
    RequestStop(SIGINT);
    EXPECT_EQ(WaitForProgram(*race.process).signal, SIGTERM);
    ClearStopRequests();
    EXPECT_EQ(StopRequests(), 0);
    // A race end asked for once the program has started ends it, though its wait had not begun; one asked
    // for before the start belongs to no race.
    race = StartProgram("race.sh");
    RequestRaceEnd();
    EXPECT_TRUE(WaitForProgram(*race.process).endedOnAbort);
    RequestRaceEnd();
    race = StartProgram("race.sh");
    EXPECT_TRUE(
        WaitForProgram(*race.process, {std::chrono::seconds(1), std::chrono::seconds(1)}).endedByWatchdog);
}
