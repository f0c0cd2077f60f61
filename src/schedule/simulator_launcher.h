#pragma once

#include <optional>
#include <string>

// Starts the simulator for a race and waits for its end; tests hand the schedule a launcher of their own.
class SimulatorLauncher {
public:
    virtual ~SimulatorLauncher() = default;

    struct Start {
        bool started = false;
        std::string how;     // how it was started ("through wine"), for the operator
        std::string failure; // why it could not start, when it did not
    };
    // Starts the command line in the current folder.
    virtual Start StartSimulator(const std::string& commandLine) = 0;

    // Waits until the started simulator has ended, however it ended, and says how ("exited with status 0").
    virtual std::string WaitForSimulator() = 0;
};
