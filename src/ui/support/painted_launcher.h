#pragma once

#include "schedule/system_launcher.h"

// Starts simulators as processes, and while one races keeps the program's windows painted without
// letting them take input: the schedule's thread is the windows' thread, and it must not answer the
// operator until the race is over.
class PaintedLauncher : public SystemLauncher {
public:
    End WaitForSimulator(const RaceLimit& limit) override;
};
