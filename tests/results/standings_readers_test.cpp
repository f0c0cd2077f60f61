#include "results/stn_file.h"
#include "results/won_file.h"

#include "standings_lines.h"
#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

std::string WonDriver(const std::string& name, int finish, int led, int status = 0) {
    return "driver '" + name + "' car '3' start '2' finish '" + std::to_string(finish) +
           "' laps '100' led '" + std::to_string(led) +
           "' qt '0:00:21.500' qs '120.500' at '0:00:22.000' as '118.000' bt '0:00:21.000' "
           "bs '121.000' inc '4' status '" +
           std::to_string(status) + "'";
}

} // namespace

TEST(CStnFile, RecognisesEachLineKindInItsOrder) {
    TempFolder folder;
    folder.Write("race.stn", "x\r\n"
                             "\r\n"
                             "  Oak Ridge Race Final Results\r\n"
                             "Race time 1:02:03 over 150.0 miles, 100 laps\r\n"
                             "Fin St  Car  Driver\r\n" +
                                 StnDriver(" 1", " 3", " 12", "Dale O'Brien & <Sons>", "100", "  7", "180",
                                           "  21.500  ", "Running") +
                                 "\r\n" +
                                 StnDriver("12", "41", "  7", "Al Short", "  9", "  0", " 97", "", "Engine") +
                                 "\r\n"
                                 "1 2 digit first is no driver\r\n"
                                 " 9short\r\n"
                                 "  Race time: 1:02:03\r\n"
                                 "  Average speed: 98.123 mph\r\n"
                                 "  Margin of victory: 0.5 sec\r\n"
                                 "  Caution flags: 3 for 12 laps\r\n"
                                 "  # of lead changes: 5\r\n"
                                 "  Weather - 78^F, clear\r\n"
                                 "Weather - no caret\r\n");
    CStnFile file(folder.File("race.stn"));
    EXPECT_EQ(file.GetTrack(), "e Race Final Results");
    EXPECT_EQ(file.GetLaps(), "Race time 1:02:03 over 150.0 miles, 100 laps");
    EXPECT_EQ(file.GetRaceTime(), "  Race time: 1:02:03\n");
    EXPECT_EQ(file.GetAverageSpeed(), "  Average speed: 98.123 mph\n");
    EXPECT_EQ(file.GetMargin(), "  Margin of victory: 0.5 sec\n");
    EXPECT_EQ(file.GetCautions(), "  Caution flags: 3 for 12 laps\n");
    EXPECT_EQ(file.GetLeadChanges(), "  # of lead changes: 5\n");
    EXPECT_EQ(file.GetWeather(), " degrees Weather - no caret\n");
    ASSERT_EQ(file.GetDriverCount(), 3);
    const STNDRIVER* first = file.GetDriver(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Finish, 1);
    EXPECT_EQ(first->Start, 3);
    EXPECT_EQ(first->Car, 12);
    EXPECT_EQ(first->Name, "Dale O'Brien & <Sons>");
    EXPECT_EQ(first->LapsCompleted, 100);
    EXPECT_EQ(first->LapsLed, 7);
    EXPECT_EQ(first->Points, 180);
    EXPECT_EQ(first->Qualifying, "21.500");
    EXPECT_EQ(first->Out, "Running");
    EXPECT_EQ(file.GetDriver(2)->Qualifying, "");
    EXPECT_EQ(file.GetDriver(2)->Out, "Engine");
    // A driver line ending early gives empty columns.
    const STNDRIVER* shortLine = file.GetDriver(3);
    EXPECT_EQ(shortLine->Finish, 9);
    EXPECT_EQ(shortLine->Name, "");
    EXPECT_EQ(shortLine->Points, 0);
    EXPECT_EQ(file.GetDriver(0), nullptr);
    EXPECT_EQ(file.GetCurrentDriver(), shortLine);
    EXPECT_EQ(file.GetDriver(4), nullptr);
    EXPECT_EQ(file.GetCurrentDriver(), shortLine);
}

TEST(CStnFile, TakesLongLinesInPiecesAndKeepsTheLastOfEachKind) {
    TempFolder folder;
    folder.Write("race.stn", std::string(88, 'x') + " 5 is the second piece\n"
                                                    "Weather - 60^F\nWeather - 70^F and ^ again\n");
    CStnFile file(folder.File("race.stn"));
    EXPECT_EQ(file.GetDriverCount(), 1);
    EXPECT_EQ(file.GetWeather(), "Weather - 70 degrees F and ^ again\n");
}

TEST(CWonFile, ReadsTheHeaderAndTheDrivers) {
    TempFolder folder;
    folder.Write("race.won",
                 "trackname 'Oak Ridge ' x 'id' laps ' 200 ' a 'b' c 'd' flags '3' e 'f' dir '45' "
                 "spd '12' temp '781'\r\n"
                 "x\r\n" +
                     WonDriver("Dale O'Brien", 1, 0) + "\r\nd 'only a name'\r\n'' 'no name'");
    CWonFile file(folder.File("race.won"));
    EXPECT_EQ(file.GetTrack(), "Oak Ridge");
    EXPECT_EQ(file.GetLaps(), "200 Laps");
    EXPECT_EQ(file.GetCautions(), "Caution flags - 3");
    EXPECT_EQ(file.GetWeather(), "Weather - 78 degrees,  NE 12 mph");
    EXPECT_EQ(file.GetRaceTime() + file.GetAverageSpeed() + file.GetMargin() + file.GetLeadChanges(), "");
    ASSERT_EQ(file.GetDriverCount(), 3);
    EXPECT_EQ(file.GetDriver(3)->Name, "*No Name*");
    // An apostrophe in a name splits it: what follows is the next piece.
    const WONDRIVER* first = file.GetDriver(1);
    EXPECT_EQ(first->Name, "Dale O");
    EXPECT_EQ(first->Car, 0);
    const WONDRIVER* onlyName = file.GetDriver(2);
    EXPECT_EQ(onlyName->Name, "only a name");
    EXPECT_EQ(onlyName->QualifyingTime + onlyName->AverageTime + onlyName->BestTime,
              "0:00:00.0000:00:00.0000:00:00.000");
    EXPECT_EQ(onlyName->QualifyingSpeed + onlyName->AverageSpeed + onlyName->BestSpeed,
              "000.000000.000000.000");
    EXPECT_EQ(onlyName->Finish + onlyName->Incidents + onlyName->Points, 0);

    folder.Write("plain.won", "trackname '' x 'y' l '' a 'b' c 'd' f '' e 'f' dir '30' spd '9' temp '5'\n" +
                                  WonDriver("Ann Lee", 2, 1, 21) + "\n\n" + WonDriver("after the gap", 1, 0));
    CWonFile plain(folder.File("plain.won"));
    EXPECT_EQ(plain.GetTrack(), "*Unknown Track Name*");
    EXPECT_EQ(plain.GetWeather(), "Weather - 5 degrees,   9 mph");
    ASSERT_EQ(plain.GetDriverCount(), 1);
    const WONDRIVER* ann = plain.GetDriver(1);
    EXPECT_EQ(ann->Name, "Ann Lee");
    EXPECT_EQ(ann->Car, 3);
    EXPECT_EQ(ann->Start, 2);
    EXPECT_EQ(ann->LapsCompleted, 100);
    EXPECT_EQ(ann->QualifyingTime, "0:00:21.500");
    EXPECT_EQ(ann->BestSpeed, "121.000");
    EXPECT_EQ(ann->Incidents, 4);
    EXPECT_EQ(plain.GetStatusText(), "Accident");
}

TEST(CWonFile, PointsFollowTheTableAndTheLapsLedBonuses) {
    const std::pair<int, int> table[] = {{0, 0},    {1, 175}, {6, 150}, {7, 146}, {11, 130},
                                         {12, 127}, {43, 34}, {44, 0},  {-1, 0},  {1000000, 0}};
    for (const auto& [finish, points] : table)
        EXPECT_EQ(PositionPoints(finish), points) << finish;

    TempFolder folder;
    folder.Write("race.won", WonDriver("Winner", 1, 50) + "\n" + WonDriver("One lap", 2, 1, 3) + "\n" +
                                 WonDriver("Also fifty", 3, 50) + "\n" + WonDriver("Far back", 99, 0, 0) +
                                 "\n");
    CWonFile file(folder.File("race.won"));
    const int expected[] = {185, 175, 170, 0};
    const char* status[] = {"Running", "DNF", "Running", "Running"};
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(file.GetDriver(n)->Points, expected[n - 1]);
        EXPECT_EQ(file.GetStatusText(), status[n - 1]);
    }

    folder.Write("nobody.won", WonDriver("A", 1, 0) + "\n");
    EXPECT_EQ(CWonFile(folder.File("nobody.won")).GetDriver(1)->Points, 175);
}

TEST(StandingsReaders, ACtrlZEndsTheFile) {
    TempFolder folder;
    folder.Write("race.stn", "  Weather - 78^F, clear\x1A\r\n  Weather - later\r\n");
    EXPECT_EQ(CStnFile(folder.File("race.stn")).GetWeather(), "  Weather - 78 degrees F, clear");
    folder.Write("race.won", WonDriver("Ann Lee", 1, 0) + "\r\n\x1A" + WonDriver("Past the end", 2, 0));
    CWonFile won(folder.File("race.won"));
    ASSERT_EQ(won.GetDriverCount(), 1);
    EXPECT_EQ(won.GetDriver(1)->Name, "Ann Lee");
}

TEST(StandingsReaders, AFileThatCannotBeOpenedIsToldAndGivesAnEmptyReader) {
    MessageRecorder recorder;
    TempFolder folder;
    CStnFile stn(folder.File("none.stn"));
    CWonFile won(folder.File("none.won"));
    EXPECT_EQ(stn.GetDriverCount() + won.GetDriverCount(), 0);
    EXPECT_EQ(stn.GetTrack() + won.GetTrack() + won.GetWeather(), "");
    EXPECT_EQ(won.GetDriver(1), nullptr);
    EXPECT_EQ(won.GetStatusText(), "Running");
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{"The following error occurred while trying to open " +
                                            folder.File("none.stn") + "\n\nfile not found",
                                        "The following error occurred while trying to open " +
                                            folder.File("none.won") + "\n\nfile not found"}));
}
