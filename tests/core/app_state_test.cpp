#include "core/app_state.h"

#include <gtest/gtest.h>
#include <thread>

// A thread that runs the program's logic starts up for itself: the records of another thread are
// neither seen nor changed by it.
TEST(AppState, EachThreadHasItsOwnRecords) {
    Server = std::make_unique<SERVER>();
    Server->HostName = "admin";
    N3Installed = true;
    bool sawRecords = true;
    std::thread run([&] {
        sawRecords = Server != nullptr || N3Installed || !EventList.empty();
        Server = std::make_unique<SERVER>();
        Server->HostName = "run";
        EventList.push_back(std::make_unique<RACE>());
    });
    run.join();
    EXPECT_FALSE(sawRecords);
    EXPECT_EQ(Server->HostName, "admin");
    EXPECT_TRUE(EventList.empty());
    Server.reset();
    N3Installed = false;
}
