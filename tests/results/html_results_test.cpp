#include "results/html_results.h"

#include "file_size_limit.h"
#include "platform/file_system.h"
#include "platform/text_mode.h"
#include "results/html_template.h"
#include "standings_lines.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string stnRace =
    "Race Final Oak Ridge\n" +
    StnDriver(" 1", " 3", " 12", "Ann <b>Lee</b> & Co", "100", "  7", "180", "21.500", "Running") + "\n" +
    StnDriver(" 2", " 1", "  7", "Bo Diaz", "100", "  0", "170", "", "Engine") + "\n  Race time: 1:02:03\n";

const std::string wonRace =
    "trackname 'Oak Ridge' x '' laps '200' a '' b '' f '3' e '' d '90' s '5' t '70'\n"
    "d 'Ann \"A\" Lee' c '12' s '3' f '1' l '200' led '9' qt '1:00.0' qs '120.5' at '1:01.0' "
    "as '119.5' bt '0:59.0' bs '121.0' i '2' st '0'\n";

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class HtmlResultsTest : public ::testing::Test {
protected:
    HtmlResultsTest() { HtmlTemplate.reset(); }
    ~HtmlResultsTest() override { HtmlTemplate.reset(); }

    // Converts standings of the simulator through the template and returns the page, CR LF kept.
    std::string Page(const std::string& templateText, const std::string& standings, int simulator) {
        program.Write("Quorvahtml.html", templateText);
        std::string name = simulator == 0 ? "evt00001.won" : "evt00001.stn";
        program.Write(name, standings);
        EXPECT_TRUE(CHtmlResults(program.File(name), simulator).MakeHtmlResults());
        return program.Read("evt00001.html");
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

} // namespace

TEST_F(HtmlResultsTest, TokensAreReplacedAtTheirFirstPlaceInIdOrder) {
    EXPECT_EQ(Page("<h1>D_TRACK</h1>\nD_TIME|\n-\nD_NAME D_NAME D_DRIVER D_QUALTIME D_FIN/D_PTS "
                   "D_AVGTIME\n-\nD_OUT\n",
                   stnRace, 1),
              "<h1>Oak Ridge</h1>\r\n  Race time: 1:02:03\r\n|\r\n-\r\n"
              "Ann &lt;b&gt;Lee&lt;/b&gt; &amp; Co D_NAME D_DRIVER 21.500TIME 1/180 D_AVGTIME\r\n"
              "Bo Diaz D_NAME D_DRIVER DNQTIME 2/170 D_AVGTIME\r\n-\r\nEngine\r\n");
    // D_QUAL comes first and takes the start of D_QUALSPD; parts 5 and 6 stay from the last template.
    EXPECT_EQ(
        Page("D_TRACK D_LAPS D_FLAGS D_WEATHER D_TIME\n2\n3\nD_NAME D_CAR D_QUALSPD D_QUALTIME D_AVGTIME "
             "D_AVGSPD "
             "D_BESTTIME D_BESTSPD D_INCIDENTS D_OUT D_START D_COMPLETE D_LED D_PTS D_DRIVER\n",
             wonRace, 0),
        "Oak Ridge 200 Laps Caution flags - 3 Weather - 70 degrees,  E 5 mph \r\n2\r\n3\r\n"
        "Ann &quot;A&quot; Lee 12 120.5SPD 1:00.0 1:01.0 119.5 0:59.0 121.0 2 Running 3 200 9 185 "
        "D_DRIVER\r\n"
        "-\r\nRunning\r\n");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(HtmlResultsTest, TheDateIsTodaysAndDriverTokensAboveTheRowsAreEmpty) {
    EXPECT_EQ(Page("D_DATE|D_NAME|D_FIN\n", stnRace, 1), TodaysDate() + "||0\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(TodaysDate().empty());
}

TEST_F(HtmlResultsTest, TheTemplateEndsAtItsSixthOrFirstEmptyLineAndKeepsOlderParts) {
    EXPECT_EQ(Page("1\n2\n3\n4\n5\n6\n7\n", stnRace, 1), "1\r\n2\r\n3\r\n4\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(Page("a\nb\n\nc\n", stnRace, 1), "a\r\nb\r\n3\r\n4\r\n4\r\n5\r\n6\r\n");
    HtmlTemplate.reset();
    EXPECT_EQ(Page("1\n2\n3\n4\n5", stnRace, 1), "1\r\n2\r\n3\r\n4\r\n4\r\n5\r\n\r\n");
}

TEST_F(HtmlResultsTest, AMissingTemplateIsToldAndThePageIsMadeFromThePartsAsTheyStand) {
    program.Write("evt00001.stn", stnRace);
    EXPECT_TRUE(CHtmlResults(program.File("evt00001.stn"), 1).MakeHtmlResults());
    EXPECT_EQ(program.Read("evt00001.html"), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.File("Quorvahtml.html") + "\n\nfile not found"});
}

TEST_F(HtmlResultsTest, NothingIsDoneWithoutStandingsAndAnUnwritablePageIsTold) {
    program.Write("Quorvahtml.html", "1\n2\n3\n4\n5\n6\n");
    EXPECT_FALSE(CHtmlResults(program.File("none.won"), 0).MakeHtmlResults());
    EXPECT_FALSE(CHtmlResults("", 0).MakeHtmlResults());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(program.Exists("none.html"));

    program.Write("Quorvasample.won", wonRace);
    EXPECT_TRUE(CHtmlResults("", 0).MakeHtmlResults());
    EXPECT_EQ(program.Read("Quorvasample.html"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    chmod(program.File("Quorvasample.html").c_str(), 0444);
    program.Write("Quorvasample.stn", stnRace);
    EXPECT_FALSE(CHtmlResults("", 1).MakeHtmlResults());
    EXPECT_EQ(program.Read("Quorvasample.html"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.File("Quorvasample.html") + "\n\naccess denied"});
}

TEST_F(HtmlResultsTest, APageThatCannotBeWrittenLeavesTheOlderPageWhole) {
    const std::string olderPage = "<p>the last race</p>\r\n";
    program.Write("Quorvahtml.html", "D_TRACK\n2\n3\nD_NAME\n5\n6\n");
    program.Write("evt00001.stn", stnRace);
    program.Write("evt00001.html", olderPage);
    std::vector<std::string> filesBefore = FileNames(program.Path());
    {
        // The check finds the folder writable; the finished page is longer than the disk lets it be.
        FileSizeLimit fullDisk(olderPage.size());
        EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), 1).MakeHtmlResults());
    }
    EXPECT_EQ(program.Read("evt00001.html"), olderPage);
    EXPECT_EQ(FileNames(program.Path()), filesBefore);
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.File("evt00001.html") + "\n\nunspecified error"});

    // A page whose name a folder holds is told before the template is read, and the folder stays.
    recorder.messages.clear();
    std::filesystem::remove(program.File("Quorvahtml.html"));
    std::filesystem::remove(program.File("evt00001.html"));
    std::filesystem::create_directory(program.File("evt00001.html"));
    EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), 1).MakeHtmlResults());
    EXPECT_TRUE(std::filesystem::is_directory(program.File("evt00001.html")));
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.File("evt00001.html") + "\n\naccess denied"});
}

TEST_F(HtmlResultsTest, TheNascarRacing3PageIsFoundWhateverTheCaseOfItsExtension) {
    program.Write("Quorvahtml.html", "D_TRACK\n2\n3\nD_NAME\n5\n6\n");
    program.Write("evt00004.WON", wonRace);
    EXPECT_TRUE(CHtmlResults(program.File("evt00004.won"), 0).MakeHtmlResults());
    EXPECT_EQ(program.Read("evt00004.html"), "Oak Ridge\r\n2\r\n3\r\nAnn &quot;A&quot; Lee\r\n5\r\n6\r\n");
    EXPECT_EQ(FileNames(program.Path()),
              (std::vector<std::string>{"Quorvahtml.html", "evt00004.WON", "evt00004.html"}));
}

// The template and samples that ship in the program folder, against the pages kept beside this test.
TEST_F(HtmlResultsTest, TheShippedSamplesGiveTheExpectedPages) {
    for (std::string name : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
        program.Write(name, ReadFileBytes(std::string(QUORVA_DATA_DIR) + name).bytes);
    for (int simulator : {0, 1}) {
        std::string dateBefore = TodaysDate();
        EXPECT_TRUE(CHtmlResults("", simulator).MakeHtmlResults());
        std::string page = program.Read("Quorvasample.html");
        std::string expected =
            ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) +
                          (simulator == 0 ? "Quorvasample-won.html" : "Quorvasample-stn.html"))
                .bytes;
        // Midnight may fall between the page and this check.
        std::string date = page.find(dateBefore) != std::string::npos ? dateBefore : TodaysDate();
        expected.replace(expected.find("TODAYS_DATE"), 11, date);
        EXPECT_EQ(page, LfToCrLf(expected)) << "simulator " << simulator;
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(HtmlResultsTest, StandingsThatAnEditorSavedInUtf8WithAByteOrderMarkKeepTheirNames) {
    EXPECT_EQ(Page("D_TRACK\n2\n3\nD_NAME\n5\n6\n",
                   "\xEF\xBB\xBFtrackname 'K\xC3\xB6ln'\r\ndriver 'J\xC3\xB6rg'\r\ndriver 'J\xF6rg'\r\n", 0),
              "K\u00F6ln\r\n2\r\n3\r\nJ\u00F6rg\r\nJ\u00F6rg\r\n5\r\n6\r\n");
}
