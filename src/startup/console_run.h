#pragma once

#include "startup/run_session.h"

// A run of the schedule without windows, as quorva-run makes it: what the running dialog would show as
// time-stamped lines on standard output, the signals as its buttons, and an exit status.

// Exit statuses besides 0 (the run ended as the settings or the operator asked).
inline constexpr int RunStatusError = 1;
inline constexpr int RunStatusNoRace = 3;
inline constexpr int RunStatusAlreadyRunning = 4;

// SIGINT, SIGTERM, SIGHUP or SIGQUIT during a countdown stops the schedule as "Stop" does; during a race
// the stop waits for the simulator to end, and a second one ends the simulator first. SIGUSR1 ends the
// race in progress, and the schedule goes on. A closed output does not end the run.
void CatchRunSignals();

// Runs the stored schedule on this thread until it ends, with the observer the factory makes; the exit
// status: 0, RunStatusError (ended on an error), RunStatusNoRace (launches that did not race and no
// race), RunStatusAlreadyRunning (another process runs this program folder's schedule).
int RunScheduleOnConsole(const RunSession::ObserverFactory& makeObserver);
