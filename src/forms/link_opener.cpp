#include "forms/link_opener.h"

#include "platform/process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// The shell's result codes that GotoURL gives.
constexpr int OutOfResources = 0;
constexpr int FileNotFound = 2;
constexpr int AccessDenied = 5;
constexpr int BadProgram = 11;
constexpr int AssociationIncomplete = 27;
constexpr int NoAssociation = 31;
constexpr int Opened = 33;

struct CodeOf {
    int from;
    int code;
};

// xdg-open's exit statuses, as the shell would have reported the same outcome.
constexpr CodeOf exitStatusCodes[] = {
    {0, Opened},
    {2, FileNotFound},
    {3, NoAssociation},
};

// Why xdg-open could not be started (posix_spawn's errno), as the shell would have reported it.
constexpr CodeOf spawnErrorCodes[] = {
    {EACCES, AccessDenied},   {EPERM, AccessDenied},    {ENOEXEC, BadProgram},
    {ENOMEM, OutOfResources}, {EAGAIN, OutOfResources},
};

template <size_t N>
int CodeFor(const CodeOf (&table)[N], int from, int otherwise) {
    for (const CodeOf& row : table)
        if (row.from == from)
            return row.code;
    return otherwise;
}

struct Reason {
    int code;
    const char* text;
};

constexpr Reason reasons[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

std::string ReasonText(int code) {
    for (const Reason& reason : reasons)
        if (reason.code == code)
            return reason.text;
    return "Unknown Error (" + std::to_string(code) + ") occurred.";
}

// Centres a length inside another: what each side loses (gains, when the inner one is longer),
// rounded towards zero.
int EachSide(int outer, int inner) {
    return (outer - inner) / 2;
}

} // namespace

LinkOpening::LinkOpening(const std::string& url, std::chrono::milliseconds handOver)
    : m_handOver(std::chrono::steady_clock::now() + handOver) {
    // xdg-open asks the desktop which program opens the URL; it is the only opener there is, so there
    // is nothing to fall back on when it fails.
    std::string opener = FindProgram("xdg-open");
    if (opener.empty()) {
        m_result = FileNotFound;
        return;
    }
    // The URL is one argument as it is: no command line is split, so blanks and quotes in it are safe.
    std::string argument = url;
    std::vector<char*> argv = {opener.data(), argument.data(), nullptr};
    if (int error = posix_spawn(&m_pid, opener.c_str(), nullptr, nullptr, argv.data(), environ); error != 0) {
        m_pid = -1;
        m_result = CodeFor(spawnErrorCodes, error, FileNotFound);
    }
}

LinkOpening::~LinkOpening() {
    if (m_pid > 0)
        std::thread([pid = m_pid] {
            while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
            }
        }).detach();
}

std::optional<int> LinkOpening::Result() {
    if (m_result || m_pid <= 0)
        return m_result;
    int status = 0;
    pid_t ended = waitpid(m_pid, &status, WNOHANG);
    if (ended == 0) {
        if (std::chrono::steady_clock::now() >= m_handOver)
            m_result = Opened;
        return m_result;
    }
    if (ended == -1 && errno == EINTR)
        return m_result;
    m_pid = -1;
    if (ended == -1 || !WIFEXITED(status))
        m_result = AssociationIncomplete;
    else
        m_result = CodeFor(exitStatusCodes, WEXITSTATUS(status), AssociationIncomplete);
    return m_result;
}

std::string HyperlinkErrorText(int code) {
    return "Unable to open hyperlink:\n\n" + ReasonText(code);
}

Rgb LinkTextColour(const LinkColours& colours, bool overControl, bool visited) {
    if (overControl)
        return colours.hover;
    return visited ? colours.visited : colours.link;
}

LinkText LinkTextAndUrl(const std::string& windowText, const std::string& url) {
    LinkText result{windowText, url};
    if (result.url.empty())
        result.url = result.text;
    if (result.text.empty())
        result.text = result.url;
    return result;
}

LinkRect FitLinkRect(const LinkRect& control, int textWidth, int textHeight, const LinkAlignment& alignment) {
    LinkRect fitted = control;
    if (alignment.centredVertically) {
        int each = EachSide(control.bottom - control.top, textHeight);
        fitted.top += each;
        fitted.bottom -= each;
    } else {
        fitted.bottom = fitted.top + textHeight;
    }
    if (alignment.centred) {
        int each = EachSide(control.right - control.left, textWidth);
        fitted.left += each;
        fitted.right -= each;
    } else if (alignment.rightAligned) {
        fitted.left = fitted.right - textWidth;
    } else {
        fitted.right = fitted.left + textWidth;
    }
    return fitted;
}
