#include "simfiles/calendar_file.h"

#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scripted_track_prompt.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

// A calendar line whose identifier field (columns 14-21) holds id.
std::string TrackLine(const std::string& id, const std::string& rest = "  1 200 Sun") {
    return "Round        " + id + rest;
}

class CalendarTest : public ::testing::Test {
protected:
    CCalendarFileN3 Calendar(const std::string& text) {
        program.Write("all.cal", text);
        return CCalendarFileN3(program.File("all.cal"));
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
    ScriptedTrackPrompt prompt;
};

} // namespace

// Headers and empty slots are no tracks, and entry numbers count kept lines only; an identifier is cut at a
// space, at eight characters and at the line end; a line longer than one read is read in pieces; a byte order
// mark makes the file UTF-8.
TEST_F(CalendarTest, EachKeptLineIsAnEntryWithTheIdentifierOfItsColumnsAndAFailedOpenGivesAnErrorText) {
    CCalendarFileN3 calendar =
        Calendar("\xEF\xBB\xBFSNAME Season\r\nRound        k\xC3\xB6ln    1\r\n" + TrackLine("ashford ") +
                 "\r\n" + TrackLine("XXXXXXXX") + "\r\n" + TrackLine("bayview ") +
                 "\r\n SNAME late\r\nXXXXXXXX at start\r\n\r\n" + TrackLine("abc def1") + "\n" +
                 TrackLine("eightchrmore") + "\n" + TrackLine("shrt", "") + "\r\n" + TrackLine("tab\tx", "") +
                 "\n" + std::string(13, 'x') + "\n" + TrackLine("Wr", "") + "\r\r\n" +
                 TrackLine("first   ", std::string(300, 'a')));
    std::vector<std::string> ids;
    for (int n = 0; n < calendar.GetTrackCount(); ++n)
        ids.push_back(calendar.GetTrackId(n));
    EXPECT_EQ(ids, (std::vector<std::string>{"k\u00F6ln", "ashford", "bayview", "", "tart", "", "abc",
                                             "eightchr", "shrt", "tab\tx", "", "Wr", "first", "aaaaaaaa"}));
    EXPECT_EQ(calendar.GetTrackId(calendar.GetTrackCount()) + calendar.GetTrackId(-1), "");
    EXPECT_EQ(calendar.GetErrorText(), "");
    // A read-only file is read; one that cannot be opened gives no tracks and an error text.
    chmod(program.File("all.cal").c_str(), 0444);
    EXPECT_EQ(CCalendarFileN3(program.File("all.cal")).GetTrackCount(), 14);
    CCalendarFileN3 missing(program.File("none.cal"));
    EXPECT_EQ(missing.GetTrackCount(), 0);
    EXPECT_EQ(missing.GetFileName(), program.File("none.cal"));
    EXPECT_EQ(missing.GetErrorText(),
              "The following error occurred while trying to open the calendar file (" +
                  program.File("none.cal") + ")\n\nfile not found");
    EXPECT_TRUE(recorder.messages.empty());
}

// A name is read up to the Track Error dialog's 80 characters, never cut inside one.
TEST_F(CalendarTest, NamesComeFromTheDictionaryOrAreAskedForOnceAndStoredAndAFailedWriteIsToldOnce) {
    const std::string accented = std::string(79, 'a') + "\xC3\xA9";
    const std::string dictionary = "; ours\n[TRACKS]\nashford=Ashford\nlong=" + std::string(100, 'L') +
                                   "\naccent=" + accented +
                                   "x\nk\xC3\xB6ln=K\xF6ln Ring\nm\xC3\xBCnchen=M\xC3\xBCnchen\n";
    program.Write("TrackDictionaryN3.ini", dictionary);
    CCalendarFileN3 calendar =
        Calendar(TrackLine("ashford ") + "\n" + TrackLine("long    ") + "\n" + TrackLine("accent  ") +
                 "\nRound        k\xF6ln    1\r\nRound        m\xFCnchen 2\r\n" + TrackLine("newone  ") +
                 "\n" + TrackLine("newone  ") + "\n");
    prompt.answers = {"Brand New Oval, West"};
    EXPECT_EQ(calendar.GetTrackNames(),
              (std::vector<std::string>{"Ashford", std::string(80, 'L'), accented, "K\u00F6ln Ring",
                                        "M\u00FCnchen", "Brand New Oval, West", "Brand New Oval, West"}));
    ASSERT_EQ(prompt.questions.size(), 1u);
    auto [item, id, simulator] = prompt.questions[0];
    EXPECT_EQ(std::to_string(item) + "|" + id + "|" + simulator, "6|newone|Nascar Race 3");
    EXPECT_EQ(program.Read("TrackDictionaryN3.ini"), dictionary + "newone=Brand New Oval, West\n");

    program.Write("all.cal", TrackLine("millbrk ") + "\n" + TrackLine("ashford "));
    CCalendarFileNL legends(program.File("all.cal"));
    EXPECT_EQ(legends.GetTrackNames(), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(program.Read("TrackDictionaryNL.ini"), "[TRACKS]\r\nmillbrk=\r\nashford=\r\n");
    EXPECT_EQ(prompt.questions.back().simulatorName, "Nascar Legends");

    chmod(program.File("TrackDictionaryNL.ini").c_str(), 0444);
    prompt.answers = {"Millbrook", "Ashford"};
    EXPECT_EQ(legends.GetTrackNames(), (std::vector<std::string>{"Millbrook", "Ashford"}));
    EXPECT_THAT(recorder.Texts(),
                testing::ElementsAre(testing::EndsWith("/TrackDictionaryNL.ini\n\naccess denied")));
}
