#include "schedule/schedule_lock.h"

#include "core/path_helpers.h"
#include "platform/host_path.h"
#include "platform/messages.h"

std::string ScheduleLockFile() {
    return GetProgramFolder() + "Quorvadata.lock";
}

std::string AlreadyRunningText(const RunLock& lock) {
    std::string holder = lock.HolderName().empty() ? "" : lock.HolderName() + ", ";
    return "The schedule of this program folder is already running (" + holder + "process " +
           std::to_string(lock.HolderPid()) + ").";
}

std::unique_ptr<RunLock> LockScheduleForRun() {
    std::string file = HostPath(ScheduleLockFile());
    auto lock = std::make_unique<RunLock>(file);
    switch (lock->GetState()) {
    case RunLock::State::Held:
        break;
    case RunLock::State::HeldElsewhere:
        ShowMessage(AlreadyRunningText(*lock), MessageIcon::Error);
        return nullptr;
    case RunLock::State::Unavailable:
        ShowMessage("The lock file " + file + " cannot be made (" + lock->Failure() +
                        "): the schedule runs, but a second runner of this program folder cannot be kept "
                        "out.",
                    MessageIcon::Warning);
        break;
    }
    return lock;
}
