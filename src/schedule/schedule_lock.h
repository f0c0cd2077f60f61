#pragma once

#include "platform/run_lock.h"

#include <memory>
#include <string>

// One runner per program folder: the windowed program's running dialog and quorva-run each hold the
// folder's lock for as long as their schedule runs.

// The lock file beside the settings file: "Quorvadata.lock" in the program folder.
std::string ScheduleLockFile();

// Takes the program folder's lock for a run: the lock to keep while the schedule runs, or nothing when
// another process runs this folder's schedule, after telling the operator which. A lock file that cannot
// be made (a read-only folder) is told as a warning, and the run goes ahead without the lock.
std::unique_ptr<RunLock> LockScheduleForRun();

// "The schedule of this program folder is already running (quorva-run, process 4711)."
std::string AlreadyRunningText(const RunLock& lock);

// For the settings dialogs while another process runs this folder's schedule, which read its settings
// when it started: "The schedule of this program folder is running (quorva-run, process 4711): changes
// made here apply from its next run." Empty when no other process runs it.
std::string NextRunNote();
