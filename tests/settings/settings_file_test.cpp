#include "settings/settings_file.h"

#include "platform/profile_file.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Stores a changed host name as a user without the right to write into the program folder (root gives
// that right up in a child process of its own) and returns what the operator was told, or "stored".
std::string StoreAsOrdinaryUser(const std::string& path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(1);
        MessageRecorder recorder;
        ProfileFile file(path);
        file.SetString("SERVER", "HostName", "new");
        std::string told = StoreSettings(file) ? "stored" : recorder.Texts().at(0);
        ssize_t ignored = write(pipeEnds[1], told.data(), told.size());
        (void)ignored;
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string told;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        told.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return told;
}

} // namespace

TEST(StoreSettings, AFolderThatIsNotWritableIsNamedAsTheCause) {
    struct Case {
        const char* name;
        mode_t fileMode;
        std::string hint;
    };
    ScopedProgramFolder program;
    const Case cases[] = {
        {"writable file in a read-only folder", 0666,
         "\n\nThe program folder " + program.Path() +
             " must be writable: the settings file is saved by replacing it."},
        {"read-only file", 0444, ""},
    };
    const std::string stored = "[SERVER]\r\nHostName=old\r\n";
    program.Write("Quorvadata.ini", stored);
    chmod(program.Path().c_str(), 0555);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chmod(program.SettingsFile().c_str(), c.fileMode);
        EXPECT_EQ(StoreAsOrdinaryUser(program.SettingsFile()),
                  "The following error occurred while trying to open " + program.SettingsFile() +
                      "\n\naccess denied" + c.hint);
        EXPECT_EQ(program.Read("Quorvadata.ini"), stored);
    }
    chmod(program.Path().c_str(), 0777);
}
