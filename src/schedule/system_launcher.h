#pragma once

#include "platform/process.h"
#include "schedule/simulator_launcher.h"

#include <chrono>

// Starts simulators as processes of this machine (platform/process.h).
class SystemLauncher : public SimulatorLauncher {
public:
    Start StartSimulator(const std::string& commandLine, const std::string& outputFile) override;
    End WaitForSimulator(const RaceLimit& limit) override;

protected:
    // How the process ended, with the time since its start.
    End Ended(const ProcessEnd& end) const;

    StartedProcess m_process;
    std::chrono::steady_clock::time_point m_started;
};
