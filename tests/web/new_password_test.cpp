#include "web/new_password.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

struct Outcome {
    std::optional<std::string> password;
    std::string told;
};

// What ReadNewPassword gives for the input sent down a pipe.
Outcome FromPipe(const std::string& sent) {
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    EXPECT_EQ(write(ends[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
    close(ends[1]);
    char* told = nullptr;
    size_t size = 0;
    std::FILE* prompts = open_memstream(&told, &size);
    Outcome outcome{ReadNewPassword(ends[0], prompts), ""};
    std::fclose(prompts);
    outcome.told = told;
    free(told);
    close(ends[0]);
    return outcome;
}

} // namespace

TEST(NewPassword, FromAPipeOneLineIsTakenAndAnEmptyOneRefused) {
    struct Row {
        const char* name;
        std::string sent;
        std::optional<std::string> password;
        const char* told;
    };
    const Row rows[] = {
        {"one line", "pit lane\nignored\n", "pit lane", ""},
        {"no line end", "pit lane", "pit lane", ""},
        {"windows line end", "pit lane\r\n", "pit lane", ""},
        {"empty", "\n", std::nullopt, "The password must not be empty.\n"},
        {"nothing", "", std::nullopt, "No password was given: the input ended.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome outcome = FromPipe(row.sent);
        EXPECT_EQ(outcome.password, row.password);
        EXPECT_EQ(outcome.told, row.told);
    }
}

// What the terminal shows until it shows the text (or has shown nothing new for a while).
std::string ShownUntil(int controller, const std::string& text) {
    std::string shown;
    char buffer[256];
    for (int idle = 0; shown.find(text) == std::string::npos && idle < 200;) {
        ssize_t got = read(controller, buffer, sizeof buffer);
        if (got > 0)
            shown.append(buffer, static_cast<size_t>(got));
        else
            ++idle, usleep(10000);
    }
    return shown;
}

// A real terminal: the password is asked twice and never echoed, and the terminal's echo comes back.
TEST(NewPassword, OnATerminalItIsAskedTwiceWithoutEchoAndBothMustAgree) {
    for (auto [again, expected] :
         {std::pair<const char*, std::optional<std::string>>{"kelp\n", "kelp"}, {"kelq\n", std::nullopt}}) {
        int controller = -1;
        int terminal = -1;
        ASSERT_EQ(openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
        fcntl(controller, F_SETFL, O_NONBLOCK);
        std::FILE* prompts = fdopen(dup(terminal), "w");
        std::optional<std::string> password;
        std::thread asking([&] { password = ReadNewPassword(terminal, prompts); });
        std::string shown = ShownUntil(controller, "New password for the web admin: ");
        EXPECT_EQ(write(controller, "kelp\n", 5), 5);
        shown += ShownUntil(controller, "The same again: ");
        EXPECT_EQ(write(controller, again, 5), 5);
        asking.join();
        shown += ShownUntil(controller, expected ? "\n" : "nothing was changed.");
        std::fclose(prompts);
        EXPECT_EQ(password, expected);
        termios after{};
        tcgetattr(terminal, &after);
        EXPECT_NE(after.c_lflag & ECHO, 0u);
        EXPECT_EQ(shown.find("kel"), std::string::npos) << "echoed: " << shown;
        EXPECT_EQ(shown.find("The two passwords differ: nothing was changed.") != std::string::npos,
                  !expected);
        close(controller);
        close(terminal);
    }
}
