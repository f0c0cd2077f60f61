#include "schedule/system_launcher.h"

#include "platform/host_path.h"

SimulatorLauncher::Start SystemLauncher::StartSimulator(const std::string& commandLine,
                                                        const std::string& outputFile) {
    m_started = std::chrono::steady_clock::now();
    ProcessStart start = StartProgram(commandLine, HostPath(outputFile));
    if (!start.process)
        return {false, "", start.failure};
    m_process = *start.process;
    return {true, m_process.how, "", start.outputCause};
}

SimulatorLauncher::End SystemLauncher::WaitForSimulator(const RaceLimit& limit) {
    return Ended(WaitForProgram(m_process, limit));
}

SimulatorLauncher::End SystemLauncher::Ended(const ProcessEnd& end) const {
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - m_started;
    return {end.exitStatus,     end.signal,          seconds.count(),
            end.endedOnRequest, end.endedByWatchdog, end.endedOnAbort};
}
