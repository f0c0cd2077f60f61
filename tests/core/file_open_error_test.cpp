#include "core/file_open_error.h"

#include "support/message_recorder.h"

#include <gtest/gtest.h>

TEST(ShowFileOpenError, NamesThePathAndTheCause) {
    MessageRecorder recorder;
    ShowFileOpenError("C:\\Sims\\NL\\evt00001.dmn", 2);
    ShowFileOpenError("C:\\x.ini", 14);
    ShowFileOpenError("C:\\x.ini", 15);
    ShowFileOpenError("C:\\x.ini", -1);
    ASSERT_EQ(recorder.messages.size(), 4u);
    EXPECT_EQ(
        recorder.messages[0].text,
        "The following error occurred while trying to open C:\\Sims\\NL\\evt00001.dmn\n\nfile not found");
    EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(recorder.messages[1].text,
              "The following error occurred while trying to open C:\\x.ini\n\nunexpected end of file");
    EXPECT_EQ(recorder.messages[2].text, "The following error occurred while trying to open C:\\x.ini\n\n");
    EXPECT_EQ(recorder.messages[3].text, "The following error occurred while trying to open C:\\x.ini\n\n");
}

TEST(FileCauseText, HasAllFifteenCauses) {
    EXPECT_EQ(FileCauseText(0), "no error");
    EXPECT_EQ(FileCauseText(5), "access denied");
    EXPECT_EQ(FileCauseText(7), "current working directory cannot be removed");
    EXPECT_EQ(FileCauseText(11), "SHARE.EXE not loaded or file is locked");
    EXPECT_EQ(FileCauseText(13), "disk is full");
    for (int cause = 0; cause <= 14; ++cause)
        EXPECT_FALSE(FileCauseText(cause).empty()) << cause;
}
