#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

pid_t StartQuorva(const TempFolder& root, const char* raceMilliseconds = "0") {
    pid_t pid = fork();
    if (pid == 0) {
        setenv("WINEPREFIX", root.File("wine").c_str(), 1);
        setenv("SIMSTANDIN_DELAY_MS", raceMilliseconds, 1);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(root.File("program/quorva-run").c_str(), "quorva-run", static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

ProfileFile::Entries ServerEntriesBut(const ProfileFile& settings, const std::string& changingKey) {
    ProfileFile::Entries entries = settings.SectionEntries("SERVER");
    std::erase_if(entries, [&](const auto& entry) { return entry.first == changingKey; });
    return entries;
}

int TemporaryFilesIn(const std::string& folder) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().starts_with(".quorva-");
    return count;
}

// The processes whose program lies in folder: quorva-run's and the stand-in simulators'.
int ProcessesRunningFrom(const std::string& folder) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        std::error_code error;
        fs::path program = fs::read_symlink(entry.path() / "exe", error);
        count += !error && program.string().starts_with(folder);
    }
    return count;
}

void MakeDemo(const TempFolder& root) {
    std::string command = std::string("'" QUORVA_DEMO_PATH "' '") + root.Path() +
                          "' '" QUORVA_PROGRAM_DIR "' '" + SIMSTANDIN_PATH "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

} // namespace

// quorva-run killed during its second race: the first race's place was stored when it ended, nothing of
// the killed run goes on running, and a restart runs the killed race's event first.
TEST(CrashTest, AKillDuringARaceLeavesNoSimulatorAndTheRestartGoesOn) {
    using namespace std::chrono_literals;
    TempFolder root;
    MakeDemo(root);
    std::string settingsPath = root.File("program/Quorvadata.ini");
    {
        ProfileFile settings(settingsPath);
        settings.SetString("SERVER", "RememberRace", "1");
        settings.SetString("SERVER", "LastRace", "2");
        ASSERT_EQ(settings.Save(), CauseNone);
    }
    // The second event's simulator races for a minute.
    std::string legends = root.File("wine/drive_c/Sims/NL/Nascar Legends.exe");
    fs::rename(legends, root.File("wine/drive_c/Sims/NL/standin"));
    root.Write("wine/drive_c/Sims/NL/Nascar Legends.exe",
               "#!/bin/sh\nSIMSTANDIN_DELAY_MS=60000 exec ./standin \"$@\"\n");
    fs::permissions(legends, fs::perms::owner_all);
    pid_t quorva = StartQuorva(root, "1000");
    ASSERT_GT(quorva, 0);
    auto giveUp = std::chrono::steady_clock::now() + 20s;
    while (!root.Exists("wine/drive_c/Sims/NL/evt00002.seen") && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(root.Exists("wine/drive_c/Sims/NL/evt00002.seen"));
    kill(quorva, SIGKILL);
    waitpid(quorva, nullptr, 0);
    EXPECT_EQ(ProfileFile(settingsPath).Find("SERVER", "LastRace"), "0");
    giveUp = std::chrono::steady_clock::now() + 10s;
    while (ProcessesRunningFrom(root.Path()) > 0 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(ProcessesRunningFrom(root.Path()), 0);
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/NL/evt00002.stn"));

    fs::rename(root.File("wine/drive_c/Sims/NL/standin"), legends);
    quorva = StartQuorva(root);
    waitpid(quorva, nullptr, 0);
    // Launch 1 of the new run is the second event's, on the NL stand-in, and launch 2 the third's.
    EXPECT_TRUE(root.Exists("wine/drive_c/Sims/NL/evt00001.stn"));
    EXPECT_TRUE(root.Exists("wine/drive_c/Sims/N3/evt00002.html"));
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00003.dmn"));
}

// quorva-run killed at random moments of a schedule that races at once: whatever it was writing, the
// settings file keeps every setting and event, and every results page is whole.
TEST(CrashTest, AKillAtAnyMomentLosesNoSettingAndEmptiesNoPage) {
    using namespace std::chrono_literals;
    TempFolder root;
    MakeDemo(root);
    std::string settingsPath = root.File("program/Quorvadata.ini");
    {
        // Remembering the race makes every run that gets to its end rewrite the settings file; the last
        // race, stored as the last event, starts each run at the first.
        ProfileFile settings(settingsPath);
        settings.SetString("SERVER", "RememberRace", "1");
        settings.SetString("SERVER", "LastRace", "2");
        ASSERT_EQ(settings.Save(), CauseNone);
    }
    ProfileFile before(settingsPath);
    ProfileFile::Entries server = ServerEntriesBut(before, "lastrace");
    ProfileFile::Entries schedule = before.SectionEntries("SCHEDULE");
    ASSERT_GT(server.size(), 40u);
    ASSERT_EQ(before.Find("SCHEDULE", "Events"), "3");

    // One whole run first, so there are pages whose replacement a kill may cut short (and a slow
    // sanitizer build's runs, killed early, still find them there).
    pid_t whole = StartQuorva(root);
    ASSERT_GT(whole, 0);
    waitpid(whole, nullptr, 0);
    ASSERT_TRUE(root.Exists("wine/drive_c/Sims/N3/evt00001.html"));

    unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMs(0, 300);
    std::vector<std::string> folders = {root.File("program"), root.File("wine/drive_c/Sims/N3"),
                                        root.File("wine/drive_c/Sims/NL")};
    auto end = std::chrono::steady_clock::now() + 4s;
    for (int round = 0; round < 100 && std::chrono::steady_clock::now() < end; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        pid_t quorva = StartQuorva(root);
        ASSERT_GT(quorva, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs(random)));
        kill(quorva, SIGKILL);
        waitpid(quorva, nullptr, 0);

        ProfileFile after(settingsPath);
        ASSERT_EQ(ServerEntriesBut(after, "lastrace"), server);
        ASSERT_TRUE(after.Find("SERVER", "LastRace"));
        ASSERT_EQ(after.SectionEntries("SCHEDULE"), schedule);
        int temporaryFiles = 0;
        for (const std::string& folder : folders) {
            temporaryFiles += TemporaryFilesIn(folder);
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                if (entry.path().extension() == ".html") {
                    ASSERT_GT(entry.file_size(), 0u) << entry.path();
                }
            }
        }
        // A kill can leave only the one replacement it cut short; start-up removes such files once
        // they are stale, which none of these is yet.
        ASSERT_LE(temporaryFiles, round + 1);
    }
    // The stand-ins of the killed runs race no time; let the last of them end before the folder goes.
    std::this_thread::sleep_for(200ms);
}
