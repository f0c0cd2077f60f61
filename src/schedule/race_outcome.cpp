#include "schedule/race_outcome.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr size_t shownLines = 5;

// What Wine writes when it could not run a program at all; it may still end with status 0.
constexpr std::array wineFailures = {
    "could not load kernel32.dll", "load_wow64_ntdll", "wine: could not exec",
    "wine: cannot find",           "Bad EXE format",   "quorva-launch: Windows could not start",
};

bool WineCouldNotRun(const std::string& output) {
    for (const char* failure : wineFailures)
        if (output.find(failure) != std::string::npos)
            return true;
    return false;
}

std::vector<std::string> LastLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream text(output);
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // Xvfb's clients say so when their virtual display goes at the end; that tells nothing.
        if (line.find_first_not_of(" \t") != std::string::npos && line.rfind("X connection to ", 0) != 0)
            lines.push_back(line);
    }
    if (lines.size() > shownLines)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(shownLines));
    return lines;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

} // namespace

std::string EndingText(const SimulatorLauncher::End& end) {
    if (end.signal != 0)
        return "was ended by signal " + std::to_string(end.signal) + " (" + strsignal(end.signal) + ")";
    return "exited with status " + std::to_string(end.exitStatus);
}

RaceOutcome JudgeRace(const SimulatorLauncher::End& end, const std::string& output) {
    if (end.endedByWatchdog)
        return {true,
                "the race ran past its time limit and was ended: the simulator " + EndingText(end),
                {},
                true};
    if (end.endedOnAbort)
        return {
            true, "the race was ended on the operator's request: the simulator " + EndingText(end), {}, true};
    bool failed = end.signal != 0 || end.exitStatus != 0 || WineCouldNotRun(output);
    if (!failed || end.seconds >= shortestRaceSeconds || end.endedOnRequest)
        return {true, "the simulator " + EndingText(end), {}};
    std::string how = end.signal != 0
                          ? "by signal " + std::to_string(end.signal) + " (" + strsignal(end.signal) + ")"
                          : "with status " + std::to_string(end.exitStatus);
    return {false,
            "The simulator ended " + Seconds(end.seconds) + " s after its start " + how +
                ": it did not race.",
            LastLines(output)};
}

std::string TailOfFile(const std::string& hostPath, size_t limit) {
    std::ifstream file(hostPath, std::ios::binary | std::ios::ate);
    if (!file)
        return "";
    std::streamoff size = file.tellg();
    std::streamoff start =
        size > static_cast<std::streamoff>(limit) ? size - static_cast<std::streamoff>(limit) : 0;
    file.seekg(start);
    std::string text(static_cast<size_t>(size - start), '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    // A cut line at the start is not one the simulator wrote whole.
    if (start > 0 && text.find('\n') != std::string::npos)
        text.erase(0, text.find('\n') + 1);
    return text;
}
