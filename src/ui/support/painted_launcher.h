#pragma once

#include "schedule/system_launcher.h"

// Starts simulators as processes, and while one races keeps the program's windows painted: the
// schedule's thread is the windows' thread, and it must not answer the operator until the race is over.
class PaintedLauncher : public SystemLauncher {
public:
    End WaitForSimulator(const RaceLimit& limit) override;
};

// Handles what the windows have waiting while a race runs: painting, and the operator's input too, which
// the windows then refuse. Input is never held back to act once the race is over.
void HandleWindowEventsDuringRace();
