#include "schedule/race_outcome.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

TEST(RaceOutcome, AFailureWithinSecondsOfTheStartIsNoRace) {
    struct Case {
        const char* name;
        SimulatorLauncher::End end;
        std::string output;
        bool raced;
        std::string text;
    };
    const std::string wine32Missing = "it looks like wine32 is missing, you should install it.\n";
    const Case cases[] = {
        {"a race", {0, 0, 1800.0, false}, "", true, "the simulator exited with status 0"},
        {"a quick clean end", {0, 0, 0.3, false}, wine32Missing, true, "the simulator exited with status 0"},
        {"a long race that failed", {3, 0, 10.0, false}, "", true, "the simulator exited with status 3"},
        {"ended by the operator",
         {0, 15, 1.0, true},
         "",
         true,
         "the simulator was ended by signal 15 (Terminated)"},
        {"status at once",
         {53, 0, 0.44, false},
         "",
         false,
         "The simulator ended 0.4 s after its start with status 53: it did not race."},
        {"signal at once",
         {0, 11, 9.96, false},
         "",
         false,
         "The simulator ended 10.0 s after its start by signal 11 (Segmentation fault): it did not race."},
        {"Wine could not run it",
         {0, 0, 2.0, false},
         wine32Missing + "err:module:load_wow64_ntdll failed to load ntdll.dll\n",
         false,
         "The simulator ended 2.0 s after its start with status 0: it did not race."},
        {"the launcher could not start it",
         {1, 0, 1.5, false},
         "quorva-launch: Windows could not start \"x.exe\": error 2\n",
         false,
         "The simulator ended 1.5 s after its start with status 1: it did not race."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RaceOutcome outcome = JudgeRace(c.end, c.output);
        EXPECT_EQ(outcome.raced, c.raced);
        EXPECT_EQ(outcome.text, c.text);
    }
}

TEST(RaceOutcome, TheLastFiveWrittenLinesAreShownWithoutNoise) {
    RaceOutcome outcome = JudgeRace({2, 0, 1.0, false}, "one\r\ntwo\n\n   \nthree\nfour\nfive\nsix\r\n"
                                                        "X connection to :99 broken (explicit kill or server "
                                                        "shutdown).\n");
    EXPECT_EQ(outcome.lastLines, (std::vector<std::string>{"two", "three", "four", "five", "six"}));
}

TEST(RaceOutcome, OnlyTheTailOfAHugeOutputIsRead) {
    TempFolder folder;
    std::string noise(1 << 20, 'x');
    folder.Write("evt00001.log", "first\n" + noise + "\nbroken line\nlast line\n");
    EXPECT_EQ(TailOfFile(folder.File("evt00001.log"), 15), "last line\n");
    EXPECT_EQ(TailOfFile(folder.File("evt00001.log"), 1 << 21).substr(0, 6), "first\n");
    EXPECT_EQ(TailOfFile(folder.File("missing.log"), 30), "");
}
