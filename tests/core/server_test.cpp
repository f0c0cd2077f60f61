#include "core/server.h"

#include <gtest/gtest.h>

TEST(NewServer, HoldsTheValuesOfANewRecord) {
    SERVER server;
    server.PathN3 = "C:\\left over\\";
    SetNewServerValues(server);
    EXPECT_EQ(server.HostName, "Anonymous");
    EXPECT_EQ(server.AdminPassword, "kelp");
    EXPECT_EQ(server.RaceDelay, 1);
    EXPECT_EQ(server.DailyTime, "9:00");
    EXPECT_EQ(server.Pm, 1);
    EXPECT_EQ(server.PathN3, "");
    EXPECT_EQ(server.CalendarFileNL, "");
    EXPECT_EQ(server.MaxConnections, 42);
    EXPECT_EQ(server.FieldSize, 43);
    EXPECT_EQ(server.ExeFileN3, "Nascar Racing 3.exe");
    EXPECT_EQ(server.ExeFileNL, "Nascar Legends.exe");
    EXPECT_EQ(server.LastRace, -1);
    EXPECT_EQ(server.UseBitmap, 1);
    EXPECT_EQ(server.ConnectIPX, 0);
    EXPECT_EQ(server.ConnectTCP, 1);
    EXPECT_EQ(server.ConnectNET, 1);
    EXPECT_EQ(server.ClockAdjust, 0);
    EXPECT_EQ(server.StartTime, "6:00");
    EXPECT_EQ(server.StartTimePM, 1);
    EXPECT_EQ(server.StopTime, "5:00");
    EXPECT_EQ(server.StopTimePM, 0);
    EXPECT_EQ(server.AddedParams, "");
    EXPECT_EQ(server.Security, 0);
}
