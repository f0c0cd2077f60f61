#include "results/html_results.h"

#include "platform/file_system.h"
#include "platform/text_mode.h"
#include "results/html_template.h"
#include "support/file_size_limit.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

const std::string stnRace =
    "Race Final Oak Ridge\n"
    " 1   3   12  Ann \"Lee\"                   100    7   180               Running     \n";

class HtmlResultsTest : public ::testing::Test {
protected:
    HtmlResultsTest() { HtmlTemplate.reset(); }
    ~HtmlResultsTest() override { HtmlTemplate.reset(); }

    // The page of a one-driver race; the NASCAR Racing 3 file is found whatever the case of its extension.
    std::string Page(const std::string& templateText, int simulator) {
        program.Write("Quorvahtml.html", templateText);
        program.Write("evt00001.WON", "trackname 'Oak Ridge'\nd 'Ann Lee'\n");
        program.Write("evt00001.stn", stnRace);
        EXPECT_TRUE(CHtmlResults(program.File(simulator == 0 ? "evt00001.won" : "evt00001.stn"),
                                 program.File("evt00001.html"), simulator)
                        .MakeHtmlResults());
        return program.Read("evt00001.html");
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

} // namespace

// Parts a shorter template does not give stay from the last one read; an unknown token stays as it is,
// and D_QUAL, first in id order, takes the start of D_QUALSPD.
TEST_F(HtmlResultsTest, TheTemplateEndsAtItsSixthOrFirstEmptyLineAndAPageThatCannotBeMadeLeavesTheOlderOne) {
    EXPECT_EQ(Page("D_TRACK\n2\n3\nD_NAME D_DRIVER D_QUALSPD\n5\n6\n7\n", 0),
              "Oak Ridge\r\n2\r\n3\r\nAnn Lee D_DRIVER 000.000SPD\r\n5\r\n6\r\n");
    EXPECT_EQ(Page("a\nb\n\nc\n", 1), "a\r\nb\r\n3\r\nAnn &quot;Lee&quot; D_DRIVER DNQSPD\r\n5\r\n6\r\n");

    const std::string olderPage = "<p>the last race</p>\r\n";
    const std::string page = program.File("evt00001.html");
    program.Write("evt00001.html", olderPage);
    // No page is made without its template or its standings.
    std::filesystem::remove(program.File("Quorvahtml.html"));
    EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), page, 1).MakeHtmlResults());
    program.Write("Quorvahtml.html", "D_TRACK\n2\n3\nD_NAME\n5\n6\n");
    std::filesystem::remove(program.File("evt00001.stn"));
    std::filesystem::create_directory(program.File("evt00001.stn"));
    EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), page, 1).MakeHtmlResults());
    EXPECT_EQ(program.Read("evt00001.html"), olderPage);
    std::filesystem::remove(program.File("evt00001.stn"));
    program.Write("evt00001.stn", stnRace);
    EXPECT_FALSE(CHtmlResults(program.File("none.won"), page, 0).MakeHtmlResults());
    {
        // The check finds the folder writable; the finished page is longer than the disk lets it be.
        FileSizeLimit fullDisk(olderPage.size());
        EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), page, 1).MakeHtmlResults());
    }
    EXPECT_EQ(program.Read("evt00001.html"), olderPage);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.Path()), {}), 4);
    // A read-only page is told before the template is read.
    chmod(page.c_str(), 0444);
    EXPECT_FALSE(CHtmlResults(program.File("evt00001.stn"), page, 1).MakeHtmlResults());
    EXPECT_EQ(program.Read("evt00001.html"), olderPage);
    EXPECT_THAT(recorder.Texts(),
                testing::ElementsAre(
                    testing::EndsWith("/Quorvahtml.html\n\nfile not found"),
                    testing::EndsWith("/evt00001.stn\n\naccess denied"),
                    testing::EndsWith("trying to write " + page + "\n\nunspecified error (File too large)"),
                    testing::EndsWith(page + "\n\naccess denied")));
}

TEST_F(HtmlResultsTest, TheShippedSamplesGiveTheExpectedPages) {
    for (std::string name : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
        program.Write(name, ReadFileBytes(std::string(QUORVA_DATA_DIR) + name).bytes);
    for (int simulator : {0, 1}) {
        std::string dateBefore = TodaysDate();
        EXPECT_TRUE(CHtmlResults::Sample(simulator).MakeHtmlResults());
        std::string page = program.Read("Quorvasample.html");
        std::string expected = ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + "Quorvasample-" +
                                             (simulator == 0 ? "won" : "stn") + ".html")
                                   .bytes;
        // Midnight may fall between the page and this check.
        std::string date = page.find(dateBefore) != std::string::npos ? dateBefore : TodaysDate();
        expected.replace(expected.find("TODAYS_DATE"), 11, date);
        EXPECT_EQ(page, LfToCrLf(expected)) << "simulator " << simulator;
    }
    EXPECT_TRUE(recorder.messages.empty());
}
