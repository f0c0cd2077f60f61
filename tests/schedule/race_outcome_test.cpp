#include "schedule/race_outcome.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

// Judged from the tail of the output file: a failing simulator may write megabytes.
TEST(RaceOutcome, AFailureWithinSecondsOfTheStartIsNoRaceJudgedFromTheTailOfItsOutput) {
    struct Row {
        const char* name;
        int status, signal;
        double seconds;
        bool onRequest;
        std::string output, text;
    };
    const std::string wine32 = "it looks like wine32 is missing, you should install it.\n";
    const Row rows[] = {
        {"a quick clean end", 0, 0, 0.3, false, wine32, "the simulator exited with status 0"},
        {"a long race that failed", 3, 0, 10.0, false, "", "the simulator exited with status 3"},
        {"ended by the operator", 0, 15, 1.0, true, "", "the simulator was ended by signal 15 (Terminated)"},
        {"status at once", 53, 0, 0.44, false, "",
         "The simulator ended 0.4 s after its start with status 53: it did not race."},
        {"signal at once", 0, 11, 9.96, false, "",
         "The simulator ended 10.0 s after its start by signal 11 (Segmentation fault): it did not race."},
        {"Wine could not run it", 0, 0, 2.0, false, wine32 + "err:module:load_wow64_ntdll failed\n",
         "The simulator ended 2.0 s after its start with status 0: it did not race."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RaceOutcome outcome = JudgeRace({row.status, row.signal, row.seconds, row.onRequest}, row.output);
        EXPECT_EQ(outcome.raced, !row.text.ends_with("it did not race."));
        EXPECT_EQ(outcome.text, row.text);
    }
    // The last five lines written, without blank lines and the virtual display's farewell.
    RaceOutcome noisy = JudgeRace({2, 0, 1.0}, "one\r\ntwo\n\n   \nthree\nfour\nfive\nsix\r\n"
                                               "X connection to :99 broken (explicit kill).\n");
    EXPECT_EQ(noisy.lastLines, (std::vector<std::string>{"two", "three", "four", "five", "six"}));
    TempFolder folder;
    folder.Write("evt00001.log", "first\n" + std::string(1 << 20, 'x') + "\nbroken line\nlast line\n");
    EXPECT_EQ(TailOfFile(folder.File("evt00001.log"), 15), "last line\n");
    EXPECT_EQ(TailOfFile(folder.File("evt00001.log"), 1 << 21).substr(0, 6), "first\n");
    EXPECT_EQ(TailOfFile(folder.File("missing.log"), 30), "");
}
