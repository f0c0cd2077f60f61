#include "web/new_password.h"

#include <termios.h>
#include <unistd.h>

namespace {

// One line without its end; nothing when the input ends before any character or line end.
std::optional<std::string> ReadLine(int input) {
    std::string line;
    char c;
    ssize_t got;
    while ((got = read(input, &c, 1)) == 1 && c != '\n')
        line += c;
    if (got != 1 && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// Echo off for as long as it lives, and back as it was afterwards.
class HiddenTyping {
public:
    explicit HiddenTyping(int terminal) : m_terminal(terminal) {
        m_hidden = tcgetattr(terminal, &m_saved) == 0;
        termios quiet = m_saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        m_hidden = m_hidden && tcsetattr(terminal, TCSANOW, &quiet) == 0;
    }
    ~HiddenTyping() {
        if (m_hidden)
            tcsetattr(m_terminal, TCSANOW, &m_saved);
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

private:
    int m_terminal;
    termios m_saved{};
    bool m_hidden = false;
};

std::optional<std::string> Refuse(std::FILE* prompts, const char* reason) {
    std::fprintf(prompts, "%s\n", reason);
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadNewPassword(int input, std::FILE* prompts) {
    std::optional<std::string> first;
    std::optional<std::string> second;
    if (isatty(input) == 1) {
        HiddenTyping hidden(input);
        std::fputs("New password for the web admin: ", prompts);
        std::fflush(prompts);
        first = ReadLine(input);
        std::fputs("\nThe same again: ", prompts);
        std::fflush(prompts);
        if (first)
            second = ReadLine(input);
        std::fputs("\n", prompts);
    } else {
        first = ReadLine(input);
        second = first;
    }
    if (!first || !second)
        return Refuse(prompts, "No password was given: the input ended.");
    if (first->empty())
        return Refuse(prompts, "The password must not be empty.");
    if (*first != *second)
        return Refuse(prompts, "The two passwords differ: nothing was changed.");
    return first;
}
