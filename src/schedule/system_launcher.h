#pragma once

#include "platform/process.h"
#include "schedule/simulator_launcher.h"

// Starts simulators as processes of this machine (platform/process.h).
class SystemLauncher : public SimulatorLauncher {
public:
    Start StartSimulator(const std::string& commandLine) override;
    std::string WaitForSimulator() override;

    // The words for how a simulator ended ("exited with status 0").
    static std::string Ending(const ProcessEnd& end);

protected:
    StartedProcess m_process;
};
