#include "schedule/schedule_lock.h"

#include "core/path_helpers.h"
#include "platform/host_path.h"
#include "platform/messages.h"

std::string ScheduleLockFile() {
    return GetProgramFolder() + "Quorvadata.lock";
}

namespace {

// "quorva-run, process 4711", or only the process when its name cannot be read.
std::string HolderText(const std::string& name, pid_t pid) {
    return (name.empty() ? "" : name + ", ") + "process " + std::to_string(pid);
}

} // namespace

std::string AlreadyRunningText(const RunLock& lock) {
    return "The schedule of this program folder is already running (" +
           HolderText(lock.HolderName(), lock.HolderPid()) + ").";
}

std::string NextRunNote() {
    std::optional<RunLock::Holder> holder = RunLock::HolderElsewhere(HostPath(ScheduleLockFile()));
    if (!holder)
        return "";
    return "The schedule of this program folder is running (" + HolderText(holder->name, holder->pid) +
           "): changes made here apply from its next run.";
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
