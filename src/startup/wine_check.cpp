#include "startup/wine_check.h"

#include "platform/host_path.h"
#include "platform/program_output.h"
#include "platform/wine_launcher.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

namespace {

using namespace std::chrono_literals;

// A first Wine start in a new prefix sets the prefix up, which can take a while.
constexpr std::chrono::milliseconds wineRunLimit = 60s;
constexpr std::chrono::milliseconds wineVersionLimit = 10s;
// Wine writes much on its way; the last few lines that are not its debug channels tell why it failed.
constexpr size_t saidLineCount = 4;

const std::string launcherSaysPrefix = "quorva-launch: runs as a ";
const std::string wineInstall32 =
    "dpkg --add-architecture i386 && apt-get update && apt-get install wine32:i386";

bool IsWineDebugLine(const std::string& line) {
    size_t colon = line.find(':');
    if (colon != 4 ||
        !std::all_of(line.begin(), line.begin() + 4, [](unsigned char c) { return std::isxdigit(c); }))
        return false;
    for (const char* channel : {"fixme:", "err:", "warn:", "trace:"})
        if (line.compare(5, std::strlen(channel), channel) == 0)
            return true;
    return false;
}

// The last lines of output that say something: Wine's debug channel lines only when nothing else is left.
std::vector<std::string> LastSaidLines(const std::string& output) {
    std::vector<std::string> plain;
    std::vector<std::string> all;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty())
            continue;
        all.push_back(line);
        if (!IsWineDebugLine(line))
            plain.push_back(line);
    }
    std::vector<std::string>& chosen = plain.empty() ? all : plain;
    size_t first = chosen.size() > saidLineCount ? chosen.size() - saidLineCount : 0;
    return {chosen.begin() + static_cast<std::ptrdiff_t>(first), chosen.end()};
}

std::string Ending(const ProgramOutput& run) {
    if (run.timedOut)
        return "it did not end in time";
    if (run.signal != 0)
        return "it was ended by signal " + std::to_string(run.signal);
    return "it exited with status " + std::to_string(run.exitStatus);
}

} // namespace

std::vector<CheckLine> WineCheck::Check(ExecutableKind kind) {
    int width = kind == ExecutableKind::Windows64 ? 64 : 32;
    std::string wine = WineProgram();
    if (wine.empty())
        return {{CheckStatus::Failure,
                 "Wine is not installed (no wine on PATH): install it (as root: " +
                     (width == 32 ? wineInstall32 + " wine wine64" : "apt-get install wine wine64") + ")",
                 {}}};
    std::vector<CheckLine> lines;
    ProgramOutput version = RunProgramForOutput({wine, "--version"}, wineVersionLimit);
    std::vector<std::string> versionLines = LastSaidLines(version.output);
    if (version.started && !version.timedOut && version.exitStatus == 0 && !versionLines.empty())
        lines.push_back({CheckStatus::Ok, "Wine " + wine + ", " + versionLines.back(), {}});
    else
        lines.push_back({CheckStatus::Failure,
                         "Wine " + wine + " does not tell its version (" +
                             (version.started ? Ending(version) : version.failure) + "): install Wine again",
                         versionLines});
    auto [tried, fresh] = m_tried.try_emplace(width);
    if (fresh)
        tried->second = TryWidth(wine, kind, width);
    lines.push_back(tried->second);
    return lines;
}

// Without a command line of its own the launcher only says what it is.
CheckLine WineCheck::TryWidth(const std::string& wine, ExecutableKind kind, int width) {
    std::string bits = std::to_string(width) + "-bit";
    std::string launcher = WineLauncherPath(kind);
    std::string prefix = WinePrefix();
    if (ExecutableKindOf(launcher) == ExecutableKind::Missing)
        return {CheckStatus::Failure,
                "Wine cannot be tried: its check program " + launcher +
                    " is missing from the program folder; build Quorva again",
                {}};
    ProgramOutput run = RunProgramForOutput({wine, launcher}, wineRunLimit, {LauncherCommandLineVariable});
    std::vector<std::string> said = LastSaidLines(run.output);
    if (!run.started)
        return {CheckStatus::Failure, "Wine " + wine + " could not be started: " + run.failure, {}};
    if (run.timedOut)
        return {CheckStatus::Failure,
                "Wine did not finish running a " + bits + " Windows program in the prefix " + prefix +
                    " within " + std::to_string(wineRunLimit.count() / 1000) +
                    " s: check again (a first start in a new prefix takes a while); if it hangs again, "
                    "update the prefix with: wineboot -u",
                said};
    if (run.exitStatus == 0 && run.output.find(launcherSaysPrefix + bits) != std::string::npos)
        return {CheckStatus::Ok, "Wine runs " + bits + " Windows programs in the prefix " + prefix, {}};
    // A prefix made before wine32 was installed needs updating; one made for 32-bit Windows only
    // never runs 64-bit programs.
    std::string toDo = width == 32 ? "install wine32 (as root: " + wineInstall32 +
                                         "), then update the prefix with: wineboot -u"
                                   : "install wine64 (as root: apt-get install wine64) and use a prefix "
                                     "made by it, not one made for 32-bit Windows only";
    return {CheckStatus::Failure,
            "Wine cannot run " + bits + " Windows programs in the prefix " + prefix + " (" + Ending(run) +
                "): " + toDo,
            said};
}
