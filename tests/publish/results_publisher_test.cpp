#include "publish/results_publisher.h"

#include "support/runner_fakes.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// A runner that publishes, over an event of NL whose results are saved and one of N3; each race takes ten
// minutes and leaves standings of one driver. status.json is kept from the middle of each race.
class PublisherTest : public RunnerTest {
protected:
    PublisherTest() {
        Server->ResultsToHTML = 1;
        program.Write("Quorvahtml.html", "<head><style>p{}</style></head><body>\n<h1>D_TRACK</h1>\n");
        AddEvent(1, "Oak Ridge").SaveResults = 1;
        AddEvent(0, "Ashford");
        launcher.duringRace = [this] {
            clock.now += 600;
            const std::string name = "evt0000" + std::to_string(view.launches.size());
            program.Write("nl/" + name + ".stn",
                          "Race Final Oak Ridge\n 1   1    7  Ann Lee                     100    1   185\n");
            program.Write("n3/" + name + ".won", "trackname 'Ashford'\n");
            during.push_back(program.Read("site/status.json"));
        };
        runner.SetObserver(&publisher);
    }

    bool Says(const std::string& text, const std::string& file = "status.json") const {
        return program.Read("site/" + file).find(text) != std::string::npos;
    }

    ResultsPublisher publisher{program.File("site/"), "League", program.File("Quorvahtml.html")};
    std::vector<std::string> during;
};

} // namespace

TEST_F(PublisherTest, TheStatusFollowsTheScheduleEachPageIsKeptAndAStopOrAFailureIsTold) {
    Server->StopAtEnd = 1;
    runner.OnInitDialog();
    EXPECT_TRUE(Says("\"state\": \"counting-down\""));
    EXPECT_TRUE(Says("\"NL\", \"track\": \"Oak Ridge\", \"startsAt\": \"2026-06-15 20:05\""));
    EXPECT_TRUE(Says("DTSTART:20260615T200500Z\r\nSUMMARY:Oak Ridge (NASCAR Legends)", "schedule.ics"));
    // Ticks and a status that says nothing new write nothing.
    std::filesystem::remove(program.File("site/status.json"));
    runner.OnCountdownTick();
    EXPECT_FALSE(program.Exists("site/status.json"));

    runner.OnStartNow();
    EXPECT_NE(during.at(0).find("\"raceSince\": \"2026-06-15 20:00\""), std::string::npos);
    EXPECT_TRUE(Says("<h1>Oak Ridge</h1>", "2026-06-15_2010_NL_oak-ridge.html"));
    EXPECT_TRUE(Says("2026-06-15_2010_NL_oak-ridge.html\">Oak Ridge</a>", "index.html"));
    EXPECT_TRUE(Says("\"lastRace\": {\"page\": \"2026-06-15_2010_NL_oak-ridge.html\""));
    runner.OnStartNow();
    EXPECT_TRUE(Says("\"state\": \"stopped-at-end\""));
    EXPECT_TRUE(recorder.messages.empty());
    publisher.RunEnded(RunEnd::Stopped, "", clock.now);
    EXPECT_TRUE(Says("\"state\": \"not-running\""));
    EXPECT_FALSE(Says("BEGIN:VEVENT", "schedule.ics"));
    ScheduleRunner failing{clock, launcher, view, timers.Factory()};
    failing.SetObserver(&publisher);
    launcher.refuse = true;
    failing.OnInitDialog();
    failing.OnStartNow();
    EXPECT_TRUE(Says("\"state\": \"stopped-on-error\""));
    EXPECT_TRUE(Says("\"error\": \"the simulator could not be started\""));
}

TEST_F(PublisherTest, AFolderThatCannotBeWrittenIsToldOncePerRaceAndTheScheduleGoesOn) {
    program.Write("site-file", "");
    const std::string folder = program.File("site-file/");
    ResultsPublisher unwritable(folder, "League", program.File("Quorvahtml.html"));
    runner.SetObserver(&unwritable);
    EventList[1]->SaveResults = 1;
    runner.OnInitDialog();
    runner.OnStartNow();
    runner.OnStartNow();
    EXPECT_EQ(view.pages.size(), 2u);
    EXPECT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.Texts().back(), "The results could not be published in " + folder +
                                           "; the race's own page is made and the schedule goes on.\n\nThe "
                                           "following error occurred while trying to make the folder " +
                                           folder + "\n\ninvalid path (Not a directory)");
    // Told again for the next race, in the same words.
    runner.OnStartNow();
    ASSERT_EQ(recorder.messages.size(), 4u);
    EXPECT_EQ(recorder.Texts()[3], recorder.Texts()[2]);
}

// The publisher a run makes clears what a crashed run's replacements left (which files are stale is the
// file layer's to tell).
TEST_F(PublisherTest, ThePublisherOfARunRemovesTheFolderStaleTemporaryFiles) {
    program.Write("site/.quorva-a1B2c3", "partial");
    timespec twoMinutesAgo[2] = {{std::time(nullptr) - 120, 0}, {std::time(nullptr) - 120, 0}};
    utimensat(AT_FDCWD, program.File("site/.quorva-a1B2c3").c_str(), twoMinutesAgo, 0);
    ResultsPublisher next(program.File("site/"), "League", program.File("Quorvahtml.html"));
    EXPECT_FALSE(program.Exists("site/.quorva-a1B2c3"));
}
