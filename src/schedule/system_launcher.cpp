#include "schedule/system_launcher.h"

#include <cstring>

SimulatorLauncher::Start SystemLauncher::StartSimulator(const std::string& commandLine) {
    ProcessStart start = StartProgram(commandLine);
    if (!start.process)
        return {false, "", start.failure};
    m_process = *start.process;
    return {true, m_process.how, ""};
}

std::string SystemLauncher::WaitForSimulator() {
    return Ending(WaitForProgram(m_process));
}

std::string SystemLauncher::Ending(const ProcessEnd& end) {
    if (end.signal != 0)
        return "was ended by signal " + std::to_string(end.signal) + " (" + strsignal(end.signal) + ")";
    return "exited with status " + std::to_string(end.exitStatus);
}
