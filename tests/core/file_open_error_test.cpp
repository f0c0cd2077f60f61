#include "core/file_open_error.h"

#include "platform/file_cause.h"
#include "support/message_recorder.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

// A file too large to be read is told with its size, which a look at it finds.
TEST(ShowFileOpenError, NamesThePathAndTheCauseAndNoCauseOutsideTheSixteen) {
    MessageRecorder recorder;
    TempFolder folder;
    folder.Write("all.cal", "");
    std::filesystem::resize_file(folder.File("all.cal"), 3'000'000'000);
    for (int cause : {0, 2, 5, 14, 15, 16, -1})
        ShowFileOpenError("C:\\Sims\\NL\\evt00001.dmn", cause);
    ShowFileOpenError(folder.File("all.cal"), CauseTooLarge);
    const std::string open =
        "The following error occurred while trying to open C:\\Sims\\NL\\evt00001.dmn\n\n";
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{
                  open + "no error", open + "file not found", open + "access denied",
                  open + "unexpected end of file", open + "the file is too large to be read", open, open,
                  "The following error occurred while trying to open " + folder.File("all.cal") +
                      "\n\nthe file is 3000000000 bytes long, far more than any such file holds (16 MB at "
                      "most): it was not read"}));
    EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::Ok);
}
