#include "platform/run_lock.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace {

// RunLocks of this process that hold their lock.
std::atomic<int> heldHere{0};

std::string ProgramNameOf(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

flock WholeFile(short type) {
    flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

} // namespace

RunLock::RunLock(const std::string& lockFile) {
    m_file = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_file < 0) {
        m_failure = std::strerror(errno);
        return;
    }
    flock lock = WholeFile(F_WRLCK);
    if (fcntl(m_file, F_SETLK, &lock) == 0) {
        m_state = State::Held;
        ++heldHere;
        return;
    }
    int error = errno;
    flock holder = WholeFile(F_WRLCK);
    if ((error == EACCES || error == EAGAIN) && fcntl(m_file, F_GETLK, &holder) == 0 &&
        holder.l_type != F_UNLCK) {
        m_state = State::HeldElsewhere;
        m_holderPid = holder.l_pid;
        m_holderName = ProgramNameOf(holder.l_pid);
    } else {
        m_failure = std::strerror(error);
    }
    close(m_file);
    m_file = -1;
}

RunLock::~RunLock() {
    if (m_file >= 0)
        close(m_file);
    if (m_state == State::Held)
        --heldHere;
}

std::optional<RunLock::Holder> RunLock::HolderElsewhere(const std::string& lockFile) {
    if (heldHere > 0)
        return std::nullopt;
    int file = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    flock holder = WholeFile(F_WRLCK);
    bool held = fcntl(file, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK;
    close(file);
    if (!held)
        return std::nullopt;
    return Holder{holder.l_pid, ProgramNameOf(holder.l_pid)};
}
