// quorva-launch: started through Wine in the simulator's folder, it starts the simulator with exactly the
// command line that Quorva built, taken from QUORVA_COMMAND_LINE, and ends with the simulator's exit
// status. Wine's own "wine program args" rebuilds a command line from split arguments and loses quotes;
// CreateProcessA keeps it as given. Without the variable it only says that it runs, which tells whether
// this Wine can run Windows programs of the launcher's width.

#include <cstdio>
#include <windows.h>

namespace {

constexpr const char* commandLineVariable = "QUORVA_COMMAND_LINE";

int Fail(const char* commandLine) {
    DWORD error = GetLastError();
    char reason[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                   sizeof reason, nullptr);
    std::fprintf(stderr, "quorva-launch: Windows could not start %s: error %lu %s\n", commandLine,
                 static_cast<unsigned long>(error), reason);
    return 1;
}

} // namespace

int main() {
    static char commandLine[32768];
    DWORD length = GetEnvironmentVariableA(commandLineVariable, commandLine, sizeof commandLine);
    if (length == 0 || length >= sizeof commandLine) {
        std::printf("quorva-launch: runs as a %d-bit Windows program\n", static_cast<int>(sizeof(void*) * 8));
        return 0;
    }
    // The simulator gets the program's environment, not the launcher's instructions.
    SetEnvironmentVariableA(commandLineVariable, nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return Fail(commandLine);
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
