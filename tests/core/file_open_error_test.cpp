#include "core/file_open_error.h"

#include "support/message_recorder.h"

#include <gtest/gtest.h>

TEST(ShowFileOpenError, NamesThePathAndTheCauseAndNoCauseOutsideTheFifteen) {
    MessageRecorder recorder;
    for (int cause : {0, 2, 5, 14, 15, -1})
        ShowFileOpenError("C:\\Sims\\NL\\evt00001.dmn", cause);
    const std::string open =
        "The following error occurred while trying to open C:\\Sims\\NL\\evt00001.dmn\n\n";
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{open + "no error", open + "file not found", open + "access denied",
                                        open + "unexpected end of file", open, open}));
    EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::Ok);
}
