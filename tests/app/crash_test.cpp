#include "demo_installation.h"
#include "platform/profile_file.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The demo with its race remembered: every run that gets to its end rewrites the settings file, and
// the last race, stored as the last event, starts each run at the first.
class CrashTest : public DemoTest {
protected:
    CrashTest() : DemoTest(SIMSTANDIN_PATH) {
        ProfileFile settings(Settings());
        settings.SetString("SERVER", "RememberRace", "1");
        settings.SetString("SERVER", "LastRace", "2");
        EXPECT_EQ(settings.Save().cause, CauseNone);
    }
};

ProfileFile::Entries ServerEntriesBut(const ProfileFile& settings, const std::string& changingKey) {
    ProfileFile::Entries entries = settings.SectionEntries("SERVER");
    std::erase_if(entries, [&](const auto& entry) { return entry.first == changingKey; });
    return entries;
}

} // namespace

// quorva-run killed during its second race: the first race's place was stored when it ended, nothing of
// the killed run goes on running, no other runner starts while its simulator, deaf to SIGTERM, still
// runs, and a restart runs the killed race's event first. Then killed at random
// moments of a schedule that races at once: whatever it was writing, the settings file keeps every
// setting and event, and every results page is whole.
TEST_F(CrashTest, AKillDuringARaceLeavesNoSimulatorAndAKillAtAnyMomentLosesNoSettingAndEmptiesNoPage) {
    // The second event's simulator races for a minute.
    std::string legends = root.File(Sims("NL/Nascar Legends.exe"));
    fs::rename(legends, root.File(Sims("NL/standin")));
    root.Write(Sims("NL/Nascar Legends.exe"),
               "#!/bin/sh\ntrap '' TERM\nSIMSTANDIN_DELAY_MS=60000 exec ./standin \"$@\"\n");
    fs::permissions(legends, fs::perms::owner_all);
    pid_t quorva = StartQuorva(1000);
    Await([&] { return root.Exists(Sims("NL/evt00002.seen")); });
    kill(quorva, SIGKILL);
    waitpid(quorva, nullptr, 0);
    EXPECT_EQ(RunQuorva(), 4);
    EXPECT_TRUE(ErrHolds("The schedule of this program folder is already running (quorva-run, "));
    EXPECT_EQ(ProfileFile(Settings()).Find("SERVER", "LastRace"), "0");
    // Nothing runs a program of the demo's folder: neither quorva-run nor a stand-in.
    auto nothingRuns = [&] {
        for (const fs::directory_entry& entry : fs::directory_iterator("/proc"))
            if (std::error_code e;
                fs::read_symlink(entry.path() / "exe", e).string().starts_with(root.Path()))
                return false;
        return true;
    };
    Await(nothingRuns, 10s);

    fs::rename(root.File(Sims("NL/standin")), legends);
    waitpid(StartQuorva(0), nullptr, 0);
    // Launch 1 of the new run is the second event's, on the NL stand-in, and the third's is the last.
    EXPECT_TRUE(root.Exists(Sims("NL/evt00001.stn")));
    EXPECT_FALSE(root.Exists(Sims("N3/evt00003.dmn")));

    ProfileFile before(Settings());
    ProfileFile::Entries server = ServerEntriesBut(before, "lastrace");
    ProfileFile::Entries schedule = before.SectionEntries("SCHEDULE");
    ASSERT_EQ(before.Find("SCHEDULE", "Events"), "3");

    // Pages of the runs above, whose replacement a kill may cut short even in a slow sanitizer build.
    ASSERT_TRUE(root.Exists(Sims("N3/evt00001.html")));

    unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMs(0, 300);
    auto end = std::chrono::steady_clock::now() + 4s;
    for (int round = 0; round < 100 && std::chrono::steady_clock::now() < end; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        pid_t quorva = StartQuorva(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs(random)));
        kill(quorva, SIGKILL);
        waitpid(quorva, nullptr, 0);

        ProfileFile after(Settings());
        ASSERT_EQ(ServerEntriesBut(after, "lastrace"), server);
        ASSERT_TRUE(after.Find("SERVER", "LastRace"));
        ASSERT_EQ(after.SectionEntries("SCHEDULE"), schedule);
        int temporaryFiles = 0;
        for (const std::string& folder : {root.File("program"), root.File(Sims("N3")), root.File(Sims("NL"))})
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                temporaryFiles += entry.path().filename().string().starts_with(".quorva-");
                ASSERT_TRUE(entry.path().extension() != ".html" || entry.file_size() > 0) << entry.path();
            }
        // A kill can leave only the one replacement it cut short; start-up removes such files once
        // they are stale, which none of these is yet.
        ASSERT_LE(temporaryFiles, round + 1);
    }
    // The stand-ins of the killed runs race no time; let the last of them end before the folder goes.
    std::this_thread::sleep_for(200ms);
}

// quorva-run killed while it keeps its first race, when the race's standings have just reached the
// published folder: the restart puts that race in the index and goes on with the next event, so each
// event's race is kept once.
TEST_F(CrashTest, AKillWhileARaceIsKeptLeavesItInTheIndexOnce) {
    const std::string results = root.File("program/results");
    // The folder is flushed after each file: the index and the season's standings (two files), the
    // status counting down (two), the calendar feed, the status racing (two), the race's page, then its
    // standings.
    EXPECT_EQ(RunQuorva("", "strace -qq -o /dev/null -P '" + results +
                                "' -e trace=fsync -e inject=fsync:signal=SIGKILL:when=10"),
              128 + SIGKILL);
    auto kept = [&](const std::string& extension) {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(results))
            if (entry.path().extension() == extension && entry.path().stem() != "status" &&
                entry.path().stem() != "standings")
                names.push_back(entry.path().stem().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    ASSERT_EQ(kept(".won").size(), 1u);
    ASSERT_EQ(kept(".html"), (std::vector<std::string>{kept(".won")[0], "index"}));
    ASSERT_TRUE(kept(".json").empty());

    EXPECT_EQ(RunQuorva(), 0);
    EXPECT_TRUE(root.Exists(Sims("NL/evt00001.stn")));
    std::vector<std::string> races = kept(".won"), legends = kept(".stn");
    races.insert(races.end(), legends.begin(), legends.end());
    std::sort(races.begin(), races.end());
    EXPECT_EQ(kept(".json"), races);
    EXPECT_EQ(races.size(), 3u);
    std::string index = root.Read("program/results/index.html");
    for (const std::string& race : races)
        EXPECT_NE(index.find("href=\"" + race + ".html\""), std::string::npos) << race;
}
