#include "settings/settings_file.h"

#include "platform/profile_file.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Stores a changed host name as a user without the right to write into the program folder (root gives
// that right up in the child process of the check) and writes what the operator was told.
void StoreAsOrdinaryUser() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(2);
    MessageRecorder recorder;
    ChangeSettings([](ProfileFile& file) { file.SetString("SERVER", "HostName", "new"); });
    for (const std::string& text : recorder.Texts())
        std::fputs(text.c_str(), stderr);
    _exit(0);
}

} // namespace

TEST(ChangeSettings, AFolderThatIsNotWritableIsNamedAsTheCause) {
    ScopedProgramFolder program;
    const struct {
        const char* name;
        mode_t fileMode;
        std::string hint;
    } cases[] = {{"writable file in a read-only folder", 0666,
                  "\n\nThe program folder " + program.Path() +
                      " must be writable: the settings file is saved by replacing it."},
                 {"read-only file", 0444, ""}};
    const std::string stored = "[SERVER]\r\nHostName=old\r\n";
    program.Write("Quorvadata.ini", stored);
    chmod(program.Path().c_str(), 0555);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        chmod(program.SettingsFile().c_str(), c.fileMode);
        EXPECT_EXIT(StoreAsOrdinaryUser(), testing::ExitedWithCode(0),
                    "The following error occurred while trying to open " + program.SettingsFile() +
                        "\n\naccess denied" + c.hint + "$");
        EXPECT_EQ(program.Read("Quorvadata.ini"), stored);
    }
    chmod(program.Path().c_str(), 0777);
}

// Two threads that change the file at once (a run storing its place, a page storing a form) lose
// neither change: each reading and storing is one step.
TEST(ChangeSettings, ChangesFromTwoThreadsAtOnceAreAllKept) {
    ScopedProgramFolder program;
    auto change = [](const char* key) {
        for (int n = 0; n < 100; ++n)
            ChangeSettings(
                [key, n](ProfileFile& file) { file.SetString("WEB", key + std::to_string(n), "1"); });
    };
    std::thread run(change, "run");
    change("page");
    run.join();
    ProfileFile stored(program.SettingsFile());
    int kept = 0;
    for (int n = 0; n < 100; ++n)
        kept += stored.Find("WEB", "run" + std::to_string(n)).has_value() +
                stored.Find("WEB", "page" + std::to_string(n)).has_value();
    EXPECT_EQ(kept, 200);
}
