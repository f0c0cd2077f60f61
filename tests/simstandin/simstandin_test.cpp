#include "event_file.h"
#include "race.h"
#include "standings_text.h"

#include "results/stn_file.h"
#include "results/won_file.h"
#include "schedule/event_options.h"
#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <tuple>

namespace {

// Quorva's own options text for an event of the simulator.
std::string OptionsText(int sim, int fieldSize, bool saveResults, const std::string& addedParams = "") {
    RACE event;
    SetNewDefaultRaceValues(event, sim == 1);
    event.TrackNumber = 3;
    event.RaceLength = 50;
    event.Temperature = 85;
    event.WindSpeed = 9;
    event.WindDirection = 2;
    event.SaveResults = saveResults;
    SERVER server;
    server.FieldSize = fieldSize;
    server.HostName = "Friday Night Oval";
    server.AddedParams = addedParams;
    return EventOptions(event, server, LaunchFilesOf(event, server, 12)).BuildOptionsText();
}

StandInEvent Event(const std::string& text) {
    EventFileReading reading = ReadEventFile(text);
    EXPECT_TRUE(reading.event) << reading.problem;
    return reading.event.value_or(StandInEvent{});
}

// Every item of the event the stand-in took, in one line.
std::string Items(const StandInEvent& e) {
    return std::string(e.nascarRacing3 ? "N3" : "NL") + " race " + std::to_string(e.race) + " length " +
           std::to_string(e.lengthPercent) + "% field " + std::to_string(e.fieldSize) + " " +
           std::to_string(e.temperature) + " degrees wind " + std::to_string(e.windSpeed) + " from " +
           std::to_string(e.windDirection) + " standings '" + e.standingsName + "'";
}

// Every driver of the standings as a reader gives it back.
template <typename Reader>
auto DriversRead(Reader& reader) {
    std::vector<std::tuple<std::string, int, int, int, int, int, int>> drivers;
    for (int n = 1; n <= reader.GetDriverCount(); ++n)
        if (const auto* d = reader.GetDriver(n))
            drivers.emplace_back(d->Name, d->Finish, d->Start, d->Car, d->LapsCompleted, d->LapsLed,
                                 d->Points);
    return drivers;
}

// Runs the stand-in in the folder with the arguments (already quoted for the shell); gives its exit status.
int RunStandIn(const TempFolder& folder, const std::string& arguments) {
    std::string command = "cd '" + folder.Path() + "' && SIMSTANDIN_DELAY_MS=0 '" SIMSTANDIN_PATH "' " +
                          arguments + " >out.txt 2>err.txt";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SimStandIn, ReadsQuorvasOwnEventFilesOfBothSimulatorsAndRefusesOthers) {
    EXPECT_EQ(Items(Event(OptionsText(0, 43, true, "stn 'other.WON' -x 'unclosed"))),
              "N3 race 3 length 50% field 43 85 degrees wind 9 from 2 standings 'evt00012.WON'");
    EXPECT_EQ(Items(Event(OptionsText(1, 12, true))),
              "NL race 3 length 50% field 12 85 degrees wind 9 from 2 standings 'evt00012.stn'");
    EXPECT_EQ(Event(OptionsText(1, 12, false)).standingsName, "");
    const std::pair<std::string, std::string> refused[] = {
        {"", "the event file has no \"stn\" item"},
        {"race 1 len 10 maxp 43 stn 'evt.stn", "the text of the item \"stn\" has no closing quote"},
        {"race 1 len 10 maxp 4 stn '../evt.stn'", "the \"stn\" item is not a file name: \"../evt.stn\""},
    };
    for (const auto& [text, problem] : refused) {
        EventFileReading reading = ReadEventFile(text);
        EXPECT_FALSE(reading.event) << text;
        EXPECT_EQ(reading.problem, problem) << text;
    }
}

TEST(SimStandIn, StandingsReadBackWithTheSameDriversAndPointsAndALaunchNumberGivesTheSameRace) {
    MessageRecorder recorder;
    TempFolder folder;
    for (int fieldSize : {43, 0, 60}) {
        SCOPED_TRACE(fieldSize);
        Race race = RunRace(Event(OptionsText(0, fieldSize, true)), 12);
        ASSERT_EQ(race.drivers.size(), static_cast<size_t>(std::clamp(fieldSize, 1, 43)));
        folder.Write("race.won", WonText(race));
        CWonFile won(folder.File("race.won"));
        EXPECT_EQ(won.GetDriver(won.GetDriverCount())->Points, race.drivers.back().points);
        EXPECT_EQ(won.GetTrack(), "Cedar Falls Oval");
        EXPECT_EQ(won.GetWeather(), "Weather - 85 degrees,  E 9 mph");
        folder.Write("race.stn", StnText(race));
        CStnFile stn(folder.File("race.stn"));
        EXPECT_EQ(DriversRead(stn), DriversRead(won));
        EXPECT_EQ(stn.GetLaps(), "Cedar Falls Oval: 112.5 miles, 150 laps");
        EXPECT_EQ(stn.GetWeather(), "  Weather - 85 degrees F, clear, wind 9 mph from the E\n");
    }
    EXPECT_TRUE(recorder.messages.empty());
    StandInEvent event = Event(OptionsText(1, 43, true));
    EXPECT_EQ(StnText(RunRace(event, 5)), StnText(RunRace(event, 5)));
    EXPECT_NE(StnText(RunRace(event, 5)), StnText(RunRace(event, 6)));
}

TEST(SimStandIn, RunsLikeASimulatorAndTellsWhatItCannotRun) {
    TempFolder folder;
    folder.Write("evt00012.dmn", OptionsText(0, 20, true));
    EXPECT_EQ(RunStandIn(folder, "'arena:Invisible' 'serv: file evt00012.dmn'"), 0);
    EXPECT_EQ(folder.Read("evt00012.WON"), WonText(RunRace(Event(OptionsText(0, 20, true)), 12)));
    // The calendar's third track, counted as Quorva counts them, with its length and name.
    folder.Write("all.cal", "SNAME Season\n01 Round 1   ashford  1.5 Ashford\n02 Round 2   XXXXXXXX\n\n"
                            "04 Round 4   cedarpk  0.5 Cedar Park Oval\n");
    folder.Write("evt00012.dmn", OptionsText(1, 20, true));
    EXPECT_EQ(RunStandIn(folder, "'arena:Invisible' 'serv: file evt00012.dmn'"), 0);
    EXPECT_EQ(CStnFile(folder.File("evt00012.stn")).GetLaps(), "Cedar Park Oval: 150.0 miles, 300 laps");
    folder.Write("evt00014.dmn", "race");
    const std::pair<std::string, std::string> refused[] = {
        {"'serv: file evt00012.dmn'",
         "simstandin: usage: simstandin \"arena:<name>\" \"serv: file evtNNNNN.dmn\"\n"},
        {"'arena:Invisible' 'serv: file evt00014.dmn'",
         "simstandin: evt00014.dmn is not an event file: the item \"race\" has no value\n"},
    };
    for (const auto& [arguments, error] : refused) {
        EXPECT_EQ(RunStandIn(folder, arguments), 2) << arguments;
        EXPECT_EQ(folder.Read("err.txt"), error) << arguments;
    }
}
