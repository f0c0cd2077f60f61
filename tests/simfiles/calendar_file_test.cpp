#include "simfiles/calendar_file.h"

#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scripted_track_prompt.h"

#include <gtest/gtest.h>
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

TEST_F(CalendarTest, HeaderLinesAndEmptySlotsAreNotTracks) {
    CCalendarFileN3 calendar = Calendar("SNAME Season\r\n" + TrackLine("XXXXXXXX") + "\r\nSNAME again\r\n");
    EXPECT_EQ(calendar.GetTrackCount(), 0);
    EXPECT_EQ(calendar.GetErrorText(), "");
}

TEST_F(CalendarTest, ACtrlZEndsTheCalendarAndIsNoTrack) {
    CCalendarFileN3 calendar =
        Calendar(TrackLine("ashford ") + "\r\n" + TrackLine("bayview ") + "\r\n\x1A" + TrackLine("cedarpk "));
    ASSERT_EQ(calendar.GetTrackCount(), 2);
    EXPECT_EQ(calendar.GetTrackId(1), "bayview");
}

TEST_F(CalendarTest, EntryNumbersCountKeptLinesOnly) {
    CCalendarFileN3 calendar =
        Calendar(TrackLine("ashford ") + "\r\n" + TrackLine("XXXXXXXX") + "\r\n" + TrackLine("bayview ") +
                 "\r\n" + " SNAME late\r\n" + "XXXXXXXX at start\r\n" + "\r\n" + TrackLine("cedarpk "));
    ASSERT_EQ(calendar.GetTrackCount(), 6);
    EXPECT_EQ(calendar.GetTrackId(0), "ashford");
    EXPECT_EQ(calendar.GetTrackId(1), "bayview");
    EXPECT_EQ(calendar.GetTrackId(2), "");
    EXPECT_EQ(calendar.GetTrackId(3), "tart");
    EXPECT_EQ(calendar.GetTrackId(4), "");
    EXPECT_EQ(calendar.GetTrackId(5), "cedarpk");
}

TEST_F(CalendarTest, TheIdentifierIsCutAtASpaceAtEightCharactersAndAtTheLineEnd) {
    CCalendarFileN3 calendar = Calendar(TrackLine("abc def1") + "\n" + TrackLine("eightchrmore") + "\n" +
                                        TrackLine("shrt", "") + "\r\n" + TrackLine("tab\tx", "") + "\n" +
                                        std::string(13, 'x') + "\n" + TrackLine("Wr", "") + "\r\r\n");
    ASSERT_EQ(calendar.GetTrackCount(), 6);
    EXPECT_EQ(calendar.GetTrackId(0), "abc");
    EXPECT_EQ(calendar.GetTrackId(1), "eightchr");
    EXPECT_EQ(calendar.GetTrackId(2), "shrt");
    EXPECT_EQ(calendar.GetTrackId(3), "tab\tx");
    EXPECT_EQ(calendar.GetTrackId(4), "");
    EXPECT_EQ(calendar.GetTrackId(5), "Wr");
    EXPECT_EQ(calendar.GetTrackId(6), "");
    EXPECT_EQ(calendar.GetTrackId(-1), "");
}

TEST_F(CalendarTest, ALineLongerThanOneReadIsReadInPieces) {
    std::string longLine = TrackLine("first   ", std::string(300, 'a'));
    CCalendarFileN3 calendar = Calendar(longLine + "\r\n" + TrackLine("second  "));
    ASSERT_EQ(calendar.GetTrackCount(), 3);
    EXPECT_EQ(calendar.GetTrackId(0), "first");
    EXPECT_EQ(calendar.GetTrackId(1), "aaaaaaaa");
    EXPECT_EQ(calendar.GetTrackId(2), "second");
}

TEST_F(CalendarTest, AFileThatCannotBeOpenedGivesNoTracksAndAnErrorText) {
    CCalendarFileN3 missing(program.File("none.cal"));
    EXPECT_EQ(missing.GetTrackCount(), 0);
    EXPECT_EQ(missing.GetFileName(), program.File("none.cal"));
    EXPECT_EQ(missing.GetErrorText(),
              "The following error occurred while trying to open the calendar file (" +
                  program.File("none.cal") + ")\n\nfile not found");
    CCalendarFileNL folder(program.Path());
    EXPECT_EQ(folder.GetTrackCount(), 0);
    EXPECT_NE(folder.GetErrorText().find(")\n\naccess denied"), std::string::npos);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CalendarTest, AReadOnlyCalendarStillListsItsTracks) {
    program.Write("all.cal", TrackLine("ashford "));
    chmod(program.File("all.cal").c_str(), 0444);
    CCalendarFileN3 calendar(program.File("all.cal"));
    EXPECT_EQ(calendar.GetTrackCount(), 1);
}

TEST_F(CalendarTest, NamesComeFromTheDictionaryCutToSeventyNineCharacters) {
    program.Write("TrackDictionaryN3.ini",
                  "[TRACKS]\r\nashford=Ashford Motor Speedway\r\nlong=" + std::string(100, 'L') + "\r\n");
    CCalendarFileN3 calendar = Calendar(TrackLine("ashford ") + "\n" + TrackLine("long    "));
    EXPECT_EQ(calendar.GetTrackName(0), "Ashford Motor Speedway");
    EXPECT_EQ(calendar.GetTrackName(1), std::string(79, 'L'));
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(CalendarTest, AMissingNameIsAskedForOnceAndStored) {
    program.Write("TrackDictionaryN3.ini", "; ours\n[TRACKS]\nashford=Ashford\n");
    CCalendarFileN3 calendar = Calendar(TrackLine("ashford ") + "\n" + TrackLine("XXXXXXXX") + "\n" +
                                        TrackLine("newone  ") + "\n" + TrackLine("newone  ") + "\n");
    prompt.answers = {"Brand New Oval, West"};
    EXPECT_EQ(calendar.GetTrackName(1), "Brand New Oval, West");
    EXPECT_EQ(calendar.GetTrackName(2), "Brand New Oval, West");
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0].itemNumber, 2);
    EXPECT_EQ(prompt.questions[0].trackId, "newone");
    EXPECT_EQ(prompt.questions[0].simulatorName, "Nascar Race 3");
    EXPECT_EQ(program.Read("TrackDictionaryN3.ini"),
              "; ours\n[TRACKS]\nashford=Ashford\nnewone=Brand New Oval, West\n");
}

TEST_F(CalendarTest, ANameLeftEmptyIsAskedForAgain) {
    program.Write("all.cal", TrackLine("millbrk "));
    CCalendarFileNL calendar(program.File("all.cal"));
    EXPECT_EQ(calendar.GetTrackName(0), "");
    EXPECT_EQ(program.Read("TrackDictionaryNL.ini"), "[TRACKS]\r\nmillbrk=\r\n");
    prompt.answers = {"Millbrook"};
    EXPECT_EQ(calendar.GetTrackName(0), "Millbrook");
    ASSERT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(prompt.questions[1].simulatorName, "Nascar Legends");
}

TEST_F(CalendarTest, AFailedDictionaryWriteIsToldAndTheNameStillReturned) {
    program.Write("TrackDictionaryN3.ini", "[TRACKS]\r\n");
    chmod(program.File("TrackDictionaryN3.ini").c_str(), 0444);
    CCalendarFileN3 calendar = Calendar(TrackLine("ashford "));
    prompt.answers = {"Ashford"};
    EXPECT_EQ(calendar.GetTrackName(0), "Ashford");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The following error occurred while trying to open " +
                                       program.File("TrackDictionaryN3.ini") + "\n\naccess denied"});
}

TEST_F(CalendarTest, IdentifiersAreReadAsWindows1252AndNamesFromADictionaryOfTheWindowsProgramToo) {
    program.Write("TrackDictionaryN3.ini",
                  "[TRACKS]\r\nk\xC3\xB6ln=K\xF6ln Ring\r\nm\xC3\xBCnchen=M\xC3\xBCnchen\r\n");
    CCalendarFileN3 calendar = Calendar("R\xE9union      k\xF6ln    1\r\nRound        m\xFCnchen 2\r\n");
    ASSERT_EQ(calendar.GetTrackCount(), 2);
    EXPECT_EQ(calendar.GetTrackId(0), "k\u00F6ln");
    EXPECT_EQ(calendar.GetTrackName(0), "K\u00F6ln Ring");
    EXPECT_EQ(calendar.GetTrackId(1), "m\u00FCnchen");
    EXPECT_EQ(calendar.GetTrackName(1), "M\u00FCnchen");

    CCalendarFileN3 saved = Calendar("\xEF\xBB\xBFRound        k\xC3\xB6ln    1\r\n");
    EXPECT_EQ(saved.GetTrackId(0), "k\u00F6ln");
}
