#pragma once

#include "core/app_state.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"
#include "settings/settings_file.h"
#include "support/program_folder.h"
#include "support/temp_folder.h"
#include "support/time_stamps.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// A demo installation in a folder of the test's own: a program folder with quorva-run and a schedule
// of three events, and a Wine prefix whose simulators are the stand-in. quorva-run's output goes to
// out.txt and err.txt of the folder.
class DemoTest : public ::testing::Test {
protected:
    explicit DemoTest(const std::string& standIn) { MakeDemo(standIn); }

    void MakeDemo(const std::string& standIn) {
        std::string command = std::string("'" QUORVA_DEMO_PATH "' '") + root.Path() +
                              "' '" QUORVA_PROGRAM_DIR "' '" + standIn + "' >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    // Changes the stored settings and schedule.
    void Change(const std::function<void()>& edit) {
        OverrideProgramFilePath(root.File("program/quorva-run"));
        Server = std::make_unique<SERVER>();
        ReadServerSettings(*ReadSettingsFile());
        ReadEvents(*ReadSettingsFile());
        edit();
        WriteServerSettings();
        WriteEvents();
        ResetApplicationState();
        OverrideProgramFilePath("");
    }

    // Runs quorva-run to its end, the stand-in racing at once; wrapper is a program that runs it.
    int RunQuorva(const std::string& options = "", const std::string& wrapper = "") {
        std::string command = "cd / && WINEPREFIX='" + winePrefix + "' SIMSTANDIN_DELAY_MS=0 " + environment +
                              " " + wrapper + " '" + root.File("program/quorva-run") + "' " + options +
                              " >'" + root.File("out.txt") + "' 2>'" + root.File("err.txt") + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Starts quorva-run in the background, the stand-in racing for raceMilliseconds. It appends its
    // output, so that a RunQuorva meanwhile loses only what came before.
    pid_t StartQuorva(int raceMilliseconds) {
        std::remove(root.File("out.txt").c_str());
        std::remove(root.File("err.txt").c_str());
        pid_t pid = fork();
        if (pid == 0) {
            setenv("WINEPREFIX", winePrefix.c_str(), 1);
            setenv("SIMSTANDIN_DELAY_MS", std::to_string(raceMilliseconds).c_str(), 1);
            freopen(root.File("out.txt").c_str(), "a", stdout);
            freopen(root.File("err.txt").c_str(), "a", stderr);
            execl(root.File("program/quorva-run").c_str(), "quorva-run", static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    static int ExitStatusOf(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Waits until done; a test that waits for longer than the time given fails.
    static void Await(const std::function<bool()>& done,
                      std::chrono::seconds most = std::chrono::seconds(20)) {
        auto giveUp = std::chrono::steady_clock::now() + most;
        while (!done() && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(done());
    }

    std::string Out() const { return WithoutTimeStamps(root.Read("out.txt")); }
    std::string Err() const { return WithoutTimeStamps(root.Read("err.txt")); }
    bool OutHolds(const std::string& text) const { return Out().find(text) != std::string::npos; }
    bool ErrHolds(const std::string& text) const { return Err().find(text) != std::string::npos; }
    std::string Settings() const { return root.File("program/Quorvadata.ini"); }
    // A file of the simulators' folders, "N3/evt00001.dmn".
    std::string Sims(const std::string& file) const { return "wine/drive_c/Sims/" + file; }

    TempFolder root;
    std::string winePrefix = root.File("wine");
    // More variables for RunQuorva, "NAME=value ...".
    std::string environment;
};
