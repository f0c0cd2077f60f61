#include "settings/server_settings.h"

#include "core/app_state.h"
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "simfiles/calendars.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

namespace {

std::string Expected(const std::string& name) {
    return ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + name).bytes;
}

} // namespace

// The server keys are written in their order after the keys of others, LastRace only by its own write.
TEST(ServerSettings, TheRecordIsStoredReadWithinItsLimitsAndWrittenOverOnlyTheServerKeys) {
    ScopedProgramFolder program;
    MessageRecorder recorder;
    Server = std::make_unique<SERVER>();
    SetNewServerValues(*Server);
    Server->PathN3 = "C:\\Sims\\N3\\";
    Server->CalendarFileN3 = "C:\\Sims\\N3\\all.cal";
    Server->PathNL = PathNotFound;
    ReadServerSettings(*ReadSettingsFile());
    EXPECT_EQ(program.Read("Quorvadata.ini"), Expected("Quorvadata-server.ini"));
    EXPECT_EQ(CalendarN3, nullptr);
    EXPECT_TRUE(recorder.messages.empty());
    program.Write("Quorvadata.ini", "[SERVER]\r\nDefaultRace=1,,DEFAULT\r\nLastRace=4\r\nHostName=Old\r\n"
                                    "[SCHEDULE]\r\nEvents=0\r\n");
    Server->HostName = "New";
    Server->LastRace = 7;
    Server->Security = -1;
    WriteServerSettings();
    EXPECT_EQ(program.Read("Quorvadata.ini"), Expected("Quorvadata-server-rewritten.ini"));

    // Reading changes nothing on disk. AddedParams takes the 80 characters that the server settings
    // dialog takes, never cut inside one, and a path the 512 of the file locations dialog.
    const std::string path = std::string(511, 'd') + "\\";
    const std::string params = std::string(79, 'p') + "\xC3\xA9";
    const std::string stored = "[server]\nhostname=" + std::string(100, 'h') + "\nAddedParams=" + params +
                               "x\nPathN3=" + path +
                               "\nDailyTime=123456789012\nFieldSize=12 cars\nTiming=two\nMillisecs=-250\n";
    program.Write("Quorvadata.ini", stored);
    ReadServerSettings(*ReadSettingsFile());
    EXPECT_EQ(program.Read("Quorvadata.ini"), stored);
    EXPECT_EQ(Server->HostName, std::string(79, 'h'));
    EXPECT_EQ(Server->DailyTime, "123456789");
    EXPECT_EQ(Server->AddedParams, params);
    EXPECT_EQ(Server->AdminPassword + "|" + Server->PathN3 + "|" + Server->ExeFileN3, "Kelp|" + path + "|");
    EXPECT_EQ(std::vector<int>({Server->FieldSize, Server->Timing, Server->Millisecs, Server->LastRace,
                                Server->MaxConnections, Server->ClockAdjust}),
              std::vector<int>({12, 0, -250, 0, 1, 5}));
    ASSERT_NE(CalendarN3, nullptr);
    EXPECT_EQ(TrackCountN3, 0);
}
