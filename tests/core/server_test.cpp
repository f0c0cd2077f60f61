#include "core/server.h"

#include <gtest/gtest.h>

// Every default reaches the settings file, whose bytes the settings tests check; here, that a record
// used before keeps nothing of its old values.
TEST(NewServer, ForgetsTheOldValues) {
    SERVER server;
    server.PathN3 = "C:\\left over\\";
    server.Security = 1;
    SetNewServerValues(server);
    EXPECT_EQ(server.PathN3, "");
    EXPECT_EQ(server.Security, 0);
    EXPECT_EQ(server.HostName, "Anonymous");
}
