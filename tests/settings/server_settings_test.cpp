#include "settings/server_settings.h"

#include "core/app_state.h"
#include "simfiles/calendars.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

const char* newRecordSection = "[SERVER]\r\n"
                               "HostName=Anonymous\r\n"
                               "AdminPassword=kelp\r\n"
                               "DailyTime=9:00\r\n"
                               "PathNL=Path not found\r\n"
                               "PathN3=C:\\Sims\\N3\\\r\n"
                               "CalendarFileNL=\r\n"
                               "CalendarFileN3=C:\\Sims\\N3\\all.cal\r\n"
                               "ExeFileN3=Nascar Racing 3.exe\r\n"
                               "ExeFileNL=Nascar Legends.exe\r\n"
                               "InviteFileN3=\r\n"
                               "InviteFileNL=\r\n"
                               "MuzzleFileN3=\r\n"
                               "MuzzleFileNL=\r\n"
                               "CheckLatency=0\r\n"
                               "Millisecs=0\r\n"
                               "RaceDelay=1\r\n"
                               "Timing=0\r\n"
                               "Pm=1\r\n"
                               "MaxConnections=42\r\n"
                               "FieldSize=43\r\n"
                               "ArenaN3=0\r\n"
                               "ArenaNL=0\r\n"
                               "StopAtEnd=0\r\n"
                               "RememberRace=0\r\n"
                               "ResultsToHTML=0\r\n"
                               "UseBitmap=1\r\n"
                               "AutoStart=0\r\n"
                               "AutoTerminate=0\r\n"
                               "ConnectIPX=0\r\n"
                               "ConnectTCP=1\r\n"
                               "ConnectNET=1\r\n"
                               "ShowDisplay=0\r\n"
                               "WonName=\r\n"
                               "WonPassword=\r\n"
                               "ClockAdjust=0\r\n"
                               "LimitTime=0\r\n"
                               "StartTime=6:00\r\n"
                               "StartTimePM=1\r\n"
                               "StopTime=5:00\r\n"
                               "StopTimePM=0\r\n"
                               "AddedParams=\r\n"
                               "Security=0\r\n";

} // namespace

TEST_F(ServerSettingsTest, WithoutASettingsFileItIsCreatedFromTheRecord) {
    ReadServerSettings();
    EXPECT_EQ(program.Read("Quorvadata.ini"), newRecordSection);
    EXPECT_EQ(Server->LastRace, -1);
    EXPECT_EQ(CalendarN3, nullptr);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ServerSettingsTest, AnEmptySectionGivesTheReadDefaults) {
    program.Write("Quorvadata.ini", "[SERVER]\r\n");
    N3Installed = true;
    ReadServerSettings();
    EXPECT_EQ(Server->MaxConnections, 1);
    EXPECT_EQ(Server->FieldSize, 0);
    EXPECT_EQ(Server->ClockAdjust, 5);
    EXPECT_EQ(Server->LastRace, 0);
    EXPECT_EQ(Server->AdminPassword, "Kelp");
    EXPECT_EQ(Server->HostName, "Anonymous");
    EXPECT_EQ(Server->PathN3, "");
    EXPECT_EQ(Server->PathNL, "");
    EXPECT_EQ(Server->ExeFileN3, "");
    EXPECT_EQ(Server->StartTime, "6:00");
    EXPECT_EQ(Server->StopTime, "5:00");
    EXPECT_EQ(Server->UseBitmap, 1);
    EXPECT_EQ(Server->RaceDelay, 1);
    EXPECT_TRUE(N3Installed);
    ASSERT_NE(CalendarN3, nullptr);
    ASSERT_NE(CalendarNL, nullptr);
    EXPECT_EQ(TrackCountN3, 0);
    EXPECT_EQ(program.Read("Quorvadata.ini"), "[SERVER]\r\n");
}

TEST_F(ServerSettingsTest, StoredValuesAreReadWithTheirLimits) {
    program.Write("Quorvadata.ini",
                  "[server]\nhostname=" + std::string(100, 'h') +
                      "\nDailyTime=123456789012\nLastRace=-1\nFieldSize=12 cars\nTiming=two\n"
                      "Millisecs=-250\n");
    ReadServerSettings();
    EXPECT_EQ(Server->HostName, std::string(79, 'h'));
    EXPECT_EQ(Server->DailyTime, "123456789");
    EXPECT_EQ(Server->LastRace, -1);
    EXPECT_EQ(Server->FieldSize, 12);
    EXPECT_EQ(Server->Timing, 0);
    EXPECT_EQ(Server->Millisecs, -250);
}

TEST_F(ServerSettingsTest, TheCalendarsFollowTheStoredPaths) {
    program.Write("sims/all.cal", "SNAME header\r\n" + std::string(13, ' ') + "oakridge\r\n");
    program.Write("Quorvadata.ini", "[SERVER]\r\nCalendarFileNL=" + program.File("sims/all.cal") + "\r\n");
    ReadServerSettings();
    ASSERT_NE(CalendarNL, nullptr);
    EXPECT_EQ(TrackCountNL, 1);
    EXPECT_EQ(CalendarNL->GetTrackId(0), "oakridge");
    EXPECT_EQ(TrackCountN3, 0);
}

TEST_F(ServerSettingsTest, WritingKeepsTheOtherKeysAndChangesOnlyTheServerKeys) {
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

TEST_F(ServerSettingsTest, AFailedWriteIsToldOnceAndKeepsTheSettingsInMemory) {
    program.Write("Quorvadata.ini", "[SERVER]\r\nHostName=Old\r\n");
    chmod(program.SettingsFile().c_str(), 0444);
    Server->HostName = "New";
    WriteServerSettings();
    EXPECT_EQ(Server->HostName, "New");
    EXPECT_EQ(program.Read("Quorvadata.ini"), "[SERVER]\r\nHostName=Old\r\n");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.SettingsFile() + "\n\naccess denied"});
}
