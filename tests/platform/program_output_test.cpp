#include "platform/program_output.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

ProgramOutput Shell(const std::string& script, std::chrono::milliseconds limit = 10s,
                    const std::vector<std::string>& unset = {}) {
    return RunProgramForOutput({"/bin/sh", "-c", script}, limit, unset);
}

// True once the process is gone or a zombie that nobody waits for.
bool Ended(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidField, name, state;
    return !(stat >> pidField >> name >> state) || state == "Z";
}

} // namespace

TEST(ProgramOutputTest, GivesTheLastBytesAndTheEndingAndKillsTheGroupOfOnePastItsTimeLimit) {
    ScopedEnv set("QUORVA_COMMAND_LINE", "\"sim.exe\" \"arena:Invisible\"");
    ScopedEnv other("QUORVA_COMMAND", "kept");
    ProgramOutput run =
        Shell("echo \"[${QUORVA_COMMAND_LINE-unset}] [$QUORVA_COMMAND]\"; echo err >&2; exit 3", 10s,
              {"QUORVA_COMMAND_LINE"});
    EXPECT_EQ(run.output, "[unset] [kept]\nerr\n");
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(Shell("kill -9 $$").signal, SIGKILL);
    // One that closes its output is still waited for.
    EXPECT_EQ(Shell("exec >&- 2>&-; sleep 0.2; exit 4").exitStatus, 4);
    // Standard input is empty, so a program that reads it does not wait for the test's terminal.
    EXPECT_EQ(RunProgramForOutput({"/bin/cat"}, 10s).exitStatus, 0);
    EXPECT_EQ(RunProgramForOutput({"/nonexistent/wine"}, 10s).failure, "No such file or directory");
    // What is still in the pipe when it ends is read: a pipe of 1 MiB takes all it writes at once.
    EXPECT_EQ(Shell("exec perl -e 'fcntl(STDOUT, 1031, 1 << 20); print \"x\" x (1 << 20)'").output.size(),
              outputLimit);
    run = Shell("head -c 200000 /dev/zero | tr '\\0' x; echo END");
    ASSERT_EQ(run.output.size(), outputLimit);
    EXPECT_EQ(run.output.substr(outputLimit - 5), "xEND\n");

    TempFolder folder;
    Clock::time_point start = Clock::now();
    run = Shell("echo started; sleep 30 & echo $! >'" + folder.File("pid") + "'; wait", 300ms);
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_TRUE(run.timedOut);
    pid_t sleeper = std::stoi(folder.Read("pid"));
    for (int k = 0; k < 100 && !Ended(sleeper); ++k)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(Ended(sleeper));

    // What it leaves running with the output open is not waited for: a Wine server outlives its wine.
    start = Clock::now();
    run = Shell("sleep 5 & echo $! >'" + folder.File("pid") + "'; echo done", 10s);
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_EQ(run.output, "done\n");
    kill(std::stoi(folder.Read("pid")), SIGKILL);
}
