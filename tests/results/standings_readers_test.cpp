#include "results/stn_file.h"
#include "results/won_file.h"

#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <gmock/gmock.h>

namespace {

std::string WonDriver(const std::string& name, int finish, int led) {
    return "driver '" + name + "' car '3' start '2' finish '" + std::to_string(finish) +
           "' laps '100' led '" + std::to_string(led) +
           "' qt '' qs '' at '' as '' bt '' bs '' inc '4' status '0'";
}

} // namespace

// Every column and line kind of both readers is proven through the sample pages.
TEST(StandingsReaders, StnLinesAreTakenInPiecesAndTheLastOfEachKindKeptAndACtrlZEndsEitherFile) {
    TempFolder folder;
    folder.Write("race.stn",
                 " 1   3   12  Dale                        100    7   180    21.500     Running     "
                 "\r\n1 2 digit first is no driver\r\n 9short\r\n" +
                     std::string(88, 'x') +
                     " 5 is the second piece\n  Weather - 78^F, clear\r\nWeather - 70^F and ^ again\r\n");
    CStnFile file(folder.File("race.stn"));
    EXPECT_EQ(file.GetWeather(), "Weather - 70 degrees F and ^ again\n");
    ASSERT_EQ(file.GetDriverCount(), 3);
    EXPECT_EQ(file.GetDriver(1)->Qualifying, "21.500");
    // A driver line ending early gives empty columns; a driver out of range is none, and not current.
    EXPECT_EQ(std::to_string(file.GetDriver(2)->Finish) + "|" + file.GetDriver(2)->Name, "9|");
    EXPECT_TRUE(file.GetDriver(0) == nullptr && file.GetDriver(4) == nullptr);
    EXPECT_EQ(file.GetCurrentDriver(), file.GetDriver(3));

    // A Ctrl-Z ends the file; a file that cannot be opened is told and gives an empty reader.
    MessageRecorder recorder;
    folder.Write("race.stn", "Weather - no caret\x1A\r\n  Weather - 78^F\r\n");
    EXPECT_EQ(CStnFile(folder.File("race.stn")).GetWeather(), " degrees Weather - no caret");
    folder.Write("race.won", WonDriver("Ann Lee", 1, 0) + "\r\n\x1A" + WonDriver("Past the end", 2, 0));
    EXPECT_EQ(CWonFile(folder.File("race.won")).GetDriverCount(), 1);
    CWonFile none(folder.File("none.won"));
    EXPECT_EQ(none.GetDriverCount(), 0);
    EXPECT_EQ(none.GetStatusText(), "Running");
    EXPECT_THAT(recorder.Texts(), testing::ElementsAre(testing::EndsWith("/none.won\n\nfile not found")));
}

// An apostrophe in a name splits it; an empty name is *No Name*; an empty line ends the drivers.
TEST(CWonFile, ReadsTheHeaderAndTheDriversWithTheirPoints) {
    TempFolder folder;
    folder.Write("race.won",
                 "trackname '' x 'y' l '' a 'b' c 'd' f '' e 'f' dir '30' spd '9' temp '5'\r\nx\r\n" +
                     WonDriver("Dale O'Brien", 1, 0) + "\r\nd 'only a name'\r\n'' 'no name'\n\n" +
                     WonDriver("after the gap", 1, 0));
    CWonFile file(folder.File("race.won"));
    EXPECT_EQ(file.GetTrack(), "*Unknown Track Name*");
    EXPECT_EQ(file.GetWeather(), "Weather - 5 degrees,   9 mph");
    ASSERT_EQ(file.GetDriverCount(), 3);
    EXPECT_EQ(file.GetDriver(1)->Name + "|" + file.GetDriver(1)->QualifyingTime, "Dale O|qt");
    EXPECT_EQ(file.GetDriver(2)->BestTime, "0:00:00.000");
    EXPECT_EQ(file.GetDriver(3)->Name, "*No Name*");

    // A finish outside the points table earns 0 points; of two who led the most laps, the first takes that
    // bonus. The sample pages prove the table and the bonuses of every finish.
    const std::pair<int, int> table[] = {{0, 0}, {1, 175}, {43, 34}, {44, 0}, {-1, 0}, {1000000, 0}};
    for (const auto& [finish, points] : table)
        EXPECT_EQ(PositionPoints(finish), points) << finish;
    folder.Write("race.won", WonDriver("Winner", 1, 50) + "\n" + WonDriver("Also fifty", 3, 50) + "\n");
    CWonFile points(folder.File("race.won"));
    EXPECT_EQ(points.GetDriver(1)->Points, 185);
    EXPECT_EQ(points.GetDriver(2)->Points, 170);
}
