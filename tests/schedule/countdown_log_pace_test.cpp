#include "schedule/countdown_log_pace.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<CountdownSeconds> Logged(CountdownLogPace& pace, CountdownSeconds from, CountdownSeconds to) {
    std::vector<CountdownSeconds> logged;
    for (CountdownSeconds left = from; left >= to; --left)
        if (pace.Due(left))
            logged.push_back(left);
    return logged;
}

} // namespace

// A twelve-hour wait in a log: its start, each full hour, every ten minutes of the last hour, the last
// minute; 18 lines instead of 720.
TEST(CountdownLogPaceTest, ALongWaitIsLoggedHourlyThenEveryTenMinutesThenAtItsLastMinute) {
    CountdownLogPace pace;
    std::vector<CountdownSeconds> expected = {43199};
    for (CountdownSeconds hours = 11; hours >= 1; --hours)
        expected.push_back(hours * 3600);
    for (CountdownSeconds minutes : {50, 40, 30, 20, 10, 1})
        expected.push_back(minutes * 60);
    EXPECT_EQ(Logged(pace, 43199, 0), expected);

    // A countdown that ran out and one of a few seconds: only their start.
    EXPECT_TRUE(Logged(pace, -3, -5).empty());
    pace.Restart();
    EXPECT_EQ(Logged(pace, 45, 0), std::vector<CountdownSeconds>{45});
}
