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

// A driver's columns in their order, or "none".
std::string Columns(const STNDRIVER* d) {
    if (d == nullptr)
        return "none";
    return std::to_string(d->Finish) + "|" + std::to_string(d->Start) + "|" + std::to_string(d->Car) + "|" +
           d->Name + "|" + std::to_string(d->LapsCompleted) + "|" + std::to_string(d->LapsLed) + "|" +
           std::to_string(d->Points) + "|" + d->Qualifying + "|" + d->Out;
}

std::string Columns(const WONDRIVER* d) {
    if (d == nullptr)
        return "none";
    return d->Name + "|" + std::to_string(d->Car) + "|" + std::to_string(d->Start) + "|" +
           std::to_string(d->Finish) + "|" + std::to_string(d->LapsCompleted) + "|" +
           std::to_string(d->LapsLed) + "|" + d->QualifyingTime + "|" + d->QualifyingSpeed + "|" +
           d->AverageTime + "|" + d->AverageSpeed + "|" + d->BestTime + "|" + d->BestSpeed + "|" +
           std::to_string(d->Incidents) + "|" + std::to_string(d->StatusCode) + "|" +
           std::to_string(d->Points);
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
    EXPECT_EQ(Columns(file.GetDriver(1)), "1|3|12|Dale O'Brien & <Sons>|100|7|180|21.500|Running");
    EXPECT_EQ(Columns(file.GetDriver(2)), "12|41|7|Al Short|9|0|97||Engine");
    // A driver line ending early gives empty columns; a driver out of range is none, and not current.
    EXPECT_EQ(Columns(file.GetDriver(3)), "9|0|0||0|0|0||");
    EXPECT_EQ(Columns(file.GetDriver(0)) + Columns(file.GetDriver(4)), "nonenone");
    EXPECT_EQ(file.GetCurrentDriver(), file.GetDriver(3));
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
    // An apostrophe in a name splits it: what follows is the next piece.
    EXPECT_EQ(Columns(file.GetDriver(1)), "Dale O|0|0|0|0|0|qt|qs|at|as|bt|bs|0|0|0");
    EXPECT_EQ(Columns(file.GetDriver(2)),
              "only a name|0|0|0|0|0|0:00:00.000|000.000|0:00:00.000|000.000|0:00:00.000|000.000|0|0|0");
    EXPECT_EQ(Columns(file.GetDriver(3)),
              "*No Name*|0|0|0|0|0|0:00:00.000|000.000|0:00:00.000|000.000|0:00:00.000|000.000|0|0|0");

    folder.Write("plain.won", "trackname '' x 'y' l '' a 'b' c 'd' f '' e 'f' dir '30' spd '9' temp '5'\n" +
                                  WonDriver("Ann Lee", 2, 1, 21) + "\n\n" + WonDriver("after the gap", 1, 0));
    CWonFile plain(folder.File("plain.won"));
    EXPECT_EQ(plain.GetTrack(), "*Unknown Track Name*");
    EXPECT_EQ(plain.GetWeather(), "Weather - 5 degrees,   9 mph");
    ASSERT_EQ(plain.GetDriverCount(), 1);
    EXPECT_EQ(Columns(plain.GetDriver(1)),
              "Ann Lee|3|2|2|100|1|0:00:21.500|120.500|0:00:22.000|118.000|0:00:21.000|121.000|4|21|180");
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
