#include "settings/server_settings.h"

#include "core/app_state.h"
#include "simfiles/calendars.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

namespace {

class ServerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        Server->PathN3 = "C:\\Sims\\N3\\";
        Server->CalendarFileN3 = "C:\\Sims\\N3\\all.cal";
        Server->PathNL = PathNotFound;
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

} // namespace

TEST_F(ServerSettingsTest, WithoutASettingsFileItIsCreatedFromTheRecord) {
    ReadServerSettings();
    EXPECT_EQ(program.Read("Quorvadata.ini"),
              "[SERVER]\r\nHostName=Anonymous\r\nAdminPassword=kelp\r\nDailyTime=9:00\r\n"
              "PathNL=Path not found\r\nPathN3=C:\\Sims\\N3\\\r\nCalendarFileNL=\r\n"
              "CalendarFileN3=C:\\Sims\\N3\\all.cal\r\nExeFileN3=Nascar Racing 3.exe\r\n"
              "ExeFileNL=Nascar Legends.exe\r\nInviteFileN3=\r\nInviteFileNL=\r\n"
              "MuzzleFileN3=\r\nMuzzleFileNL=\r\nCheckLatency=0\r\nMillisecs=0\r\n"
              "RaceDelay=1\r\nTiming=0\r\nPm=1\r\nMaxConnections=42\r\nFieldSize=43\r\n"
              "ArenaN3=0\r\nArenaNL=0\r\nStopAtEnd=0\r\nRememberRace=0\r\n"
              "ResultsToHTML=0\r\nUseBitmap=1\r\nAutoStart=0\r\nAutoTerminate=0\r\n"
              "ConnectIPX=0\r\nConnectTCP=1\r\nConnectNET=1\r\nShowDisplay=0\r\n"
              "WonName=\r\nWonPassword=\r\nClockAdjust=0\r\nLimitTime=0\r\n"
              "StartTime=6:00\r\nStartTimePM=1\r\nStopTime=5:00\r\nStopTimePM=0\r\n"
              "AddedParams=\r\nSecurity=0\r\n");
    EXPECT_EQ(CalendarN3, nullptr);
    EXPECT_TRUE(recorder.messages.empty());
}

// Reading an empty section changes nothing on disk and gives the read defaults.
TEST_F(ServerSettingsTest, AnEmptySectionGivesTheReadDefaults) {
    program.Write("Quorvadata.ini", "[SERVER]\r\n");
    ReadServerSettings();
    EXPECT_EQ(program.Read("Quorvadata.ini"), "[SERVER]\r\n");
    EXPECT_EQ(Server->AdminPassword + "|" + Server->PathN3 + "|" + Server->ExeFileN3, "Kelp||");
    EXPECT_EQ(
        std::vector<int>({Server->LastRace, Server->MaxConnections, Server->FieldSize, Server->ClockAdjust}),
        std::vector<int>({0, 1, 0, 5}));
    ASSERT_NE(CalendarN3, nullptr);
    EXPECT_EQ(TrackCountN3, 0);
}

TEST_F(ServerSettingsTest, StoredValuesAreReadWithinTheirLimits) {
    program.Write("Quorvadata.ini",
                  "[server]\nhostname=" + std::string(100, 'h') +
                      "\nDailyTime=123456789012\nFieldSize=12 cars\nTiming=two\nMillisecs=-250\n");
    ReadServerSettings();
    EXPECT_EQ(Server->HostName, std::string(79, 'h'));
    EXPECT_EQ(Server->DailyTime, "123456789");
    EXPECT_EQ(Server->FieldSize, 12);
    EXPECT_EQ(Server->Timing, 0);
    EXPECT_EQ(Server->Millisecs, -250);
}

TEST_F(ServerSettingsTest, WritingChangesOnlyTheServerKeys) {
    program.Write("Quorvadata.ini", "[SERVER]\r\nDefaultRace=1,,DEFAULT\r\nLastRace=4\r\nHostName=Old\r\n"
                                    "[SCHEDULE]\r\nEvents=0\r\n");
    Server->HostName = "New";
    Server->LastRace = 7;
    Server->Security = -1;
    WriteServerSettings();
    std::string text = program.Read("Quorvadata.ini");
    EXPECT_EQ(
        text.rfind(
            "[SERVER]\r\nDefaultRace=1,,DEFAULT\r\nLastRace=4\r\nHostName=New\r\nAdminPassword=kelp\r\n", 0),
        0u);
    EXPECT_NE(text.find("Security=-1\r\n[SCHEDULE]\r\nEvents=0\r\n"), std::string::npos);
}
