#include "settings/race_store.h"

#include "core/app_state.h"
#include "settings/event_record.h"
#include "settings/settings_file.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

std::unique_ptr<RACE> EventAt(const std::string& trackName, int trackNumber) {
    auto race = std::make_unique<RACE>();
    SetNewDefaultRaceValues(*race, true);
    race->TrackName = trackName;
    race->TrackNumber = trackNumber;
    return race;
}

} // namespace

// Without a settings file the default race is stored as it stands; a file without the key gives the
// built-in record and is left alone; a file that cannot be written is told once a write, and stays.
TEST(RaceStore, TheDefaultRaceAndTheScheduleAreStoredAndReadBackAndFailedWritesAndMissingRecordsAreToldOnce) {
    ScopedProgramFolder program;
    MessageRecorder recorder;
    DefaultRace = std::make_unique<RACE>();
    SetNewDefaultRaceValues(*DefaultRace, false);
    ReadDefaultRace(*ReadSettingsFile());
    EXPECT_EQ(
        program.Read("Quorvadata.ini"),
        "[SERVER]\r\nDefaultRace=0,,DEFAULT,,,,1,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,"
        "06:00,1,0\r\n");

    const std::string before = "[SERVER]\r\nHostName=Speedy\r\n";
    program.Write("Quorvadata.ini", before);
    ReadDefaultRace(*ReadSettingsFile());
    EXPECT_EQ(FormatRaceRecord(*DefaultRace),
              "1,,DEFAULT,,,,1,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1,0");
    EXPECT_EQ(program.Read("Quorvadata.ini"), before);
    EXPECT_TRUE(recorder.messages.empty());

    chmod(program.SettingsFile().c_str(), 0444);
    EventList.push_back(EventAt("A", 1));
    WriteEvents();
    WriteDefaultRace();
    EXPECT_EQ(program.Read("Quorvadata.ini"), before);

    // Without a settings file the list is left as it is; the section is then rewritten whole, keys of
    // ours or not, and reads back in order; an empty schedule loads nothing.
    std::filesystem::remove(program.SettingsFile());
    ReadEvents(*ReadSettingsFile());
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
    program.Write("Quorvadata.ini", "; kept\r\n[SERVER]\r\nHostName=Speedy\r\n\r\n[schedule]\r\nEvents=9\r\n"
                                    "1=old\r\nHandMade=1\r\n9=old\r\n\r\n[Other]\r\nKeep=me\r\n");
    EventList.push_back(EventAt("B", 2));
    EventList[1]->SaveReplay = 1;
    WriteEvents();
    EXPECT_EQ(program.Read("Quorvadata.ini"),
              "; kept\r\n[SERVER]\r\nHostName=Speedy\r\n\r\n[SCHEDULE]\r\nEvents=2\r\n1=" +
                  FormatRaceRecord(*EventList[0]) + "\r\n2=" + FormatRaceRecord(*EventList[1]) +
                  "\r\n\r\n[Other]\r\nKeep=me\r\n");
    RACE second = *EventList[1];
    ClearEvents();
    ReadEvents(*ReadSettingsFile());
    ASSERT_EQ(EventList.size(), 2u);
    EXPECT_EQ(EventList[0]->TrackName, "A");
    EXPECT_EQ(*EventList[1], second);
    EXPECT_TRUE(ScheduleLoaded);

    ClearEvents();
    ScheduleLoaded = false;
    WriteEvents();
    ReadEvents(*ReadSettingsFile());
    EXPECT_TRUE(EventList.empty());
    EXPECT_FALSE(ScheduleLoaded);
    EXPECT_THAT(recorder.Texts(), testing::Each(testing::EndsWith("Quorvadata.ini\n\naccess denied")));
    EXPECT_EQ(recorder.messages.size(), 2u);

    // The records that load, and the one warning about those missing (with a second line when more than
    // one is); a count of 1 or more alone marks the schedule loaded. A record that could not be read as
    // written (cut, or ended early by a NUL) is left out and told by its number, the first one in full.
    using namespace std::string_literals;
    const std::string missing = "ReadEvents() - length of event record=0";
    auto damaged = [&](int n, const std::string& what) {
        return "Event record " + std::to_string(n) + " in [SCHEDULE] of " + program.SettingsFile() +
               " is damaged: " + what +
               ". The event is left out of the schedule; edit or remove the record while Quorva is not "
               "running.";
    };
    const struct {
        const char* name;
        std::string schedule;
        const char* trackIds;
        std::vector<std::string> told;
    } rows[] = {{"one missing", "Events=2\r\n1=1,a\r\n3=1,c\r\n", "a,", {missing}},
                {"keys that are no position are not records",
                 "Events=4\r\n01=1,z\r\nx=1,z\r\n5=1,z\r\n 4 =1,d\r\n2=1,b\r\n",
                 "b,d,",
                 {missing, "... and 1 more event record is missing."}},
                {"the largest count",
                 "Events=2147483647\r\n3=1,c\r\n1=1,a\r\n",
                 "a,c,",
                 {missing, "... and 2147483644 more event records are missing."}},
                {"a NUL",
                 "Events=2\r\n1=1,a\r\n2=1,b\0,x\r\n"s,
                 "a,",
                 {damaged(2, "it holds a NUL character at character 4")}},
                {"longer than a record holds",
                 "Events=3\r\n1=1,a," + std::string(1024, 'x') + "\r\n2=1,b," + std::string(1019, 'x') +
                     "\r\n3=1,c," + std::string(2000, 'x') + "\r\n",
                 "b,",
                 {damaged(1, "it is 1028 characters long, more than the 1023 an event record holds"),
                  "... and 1 more event record is damaged and left out."}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ClearEvents();
        recorder.messages.clear();
        program.Write("Quorvadata.ini", std::string("[SCHEDULE]\r\n") + row.schedule);
        ReadEvents(*ReadSettingsFile());
        std::string trackIds;
        for (const auto& race : EventList)
            trackIds += race->TrackId + ",";
        EXPECT_EQ(trackIds, row.trackIds);
        EXPECT_EQ(recorder.Texts(), row.told);
        EXPECT_EQ(recorder.messages[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(ScheduleLoaded);
    }
}
