#include "core/file_open_error.h"

#include "support/message_recorder.h"

#include <gtest/gtest.h>

TEST(ShowFileOpenError, NamesThePathAndTheCauseAndNoCauseOutsideTheFifteen) {
    const std::pair<int, std::string> rows[] = {{0, "no error"},
                                                {2, "file not found"},
                                                {5, "access denied"},
                                                {14, "unexpected end of file"},
                                                {15, ""},
                                                {-1, ""}};
    for (const auto& [cause, text] : rows) {
        SCOPED_TRACE(cause);
        MessageRecorder recorder;
        ShowFileOpenError("C:\\Sims\\NL\\evt00001.dmn", cause);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text,
                  "The following error occurred while trying to open C:\\Sims\\NL\\evt00001.dmn\n\n" + text);
        EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::Ok);
    }
}
