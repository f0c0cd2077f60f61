#pragma once

#include "platform/process.h"
#include "schedule/simulator_launcher.h"

// Starts simulators as processes of this machine (platform/process.h).
class SystemLauncher : public SimulatorLauncher {
public:
    Start StartSimulator(const std::string& commandLine) override;
    std::string WaitForSimulator() override;

private:
    StartedProcess m_process;
};
