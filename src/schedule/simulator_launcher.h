#pragma once

#include "platform/process.h"

#include <string>

// Starts the simulator for a race and waits for its end; tests hand the schedule a launcher of their own.
class SimulatorLauncher {
public:
    virtual ~SimulatorLauncher() = default;

    struct Start {
        bool started = false;
        std::string how;     // how it was started ("through wine"), for the operator
        std::string failure; // why it could not start, when it did not
        // Why the output file could not be opened, when the simulator was started without it.
        FileCause outputCause = CauseNone;
    };
    // Starts the command line in the current folder; the simulator's standard output and error go to the
    // output file (a Windows or POSIX path), beside its event file.
    virtual Start StartSimulator(const std::string& commandLine, const std::string& outputFile) = 0;

    struct End {
        int exitStatus = 0;
        int signal = 0;               // the signal that ended it; 0 when it exited
        double seconds = 0;           // from its start to its end
        bool endedOnRequest = false;  // ended because the operator asked twice to stop
        bool endedByWatchdog = false; // ended because the race ran past its time limit
        bool endedOnAbort = false;    // ended because the operator asked to end this race
    };
    // Waits until the started simulator has ended, however it ended; past the race limit it ends it.
    virtual End WaitForSimulator(const RaceLimit& limit) = 0;
};
