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
// The lock file of the lock held here, for the children that share it; -1 when none is held.
std::atomic<int> sharedFile{-1};
static_assert(std::atomic<int>::is_always_lock_free);

std::string ProgramNameOf(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// From start to the end of the file, however long it grows (length 0).
flock FileFrom(short type, off_t start) {
    flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    return lock;
}

flock WholeFile(short type) {
    return FileFrom(type, 0);
}

// The holder keeps the file's first byte; the children that share the lock take the rest.
constexpr off_t holdersPart = 1;

// The process that holds a part of the lock: the holder while it lives, else a child it left.
std::optional<pid_t> HolderOf(int file) {
    flock holder = WholeFile(F_WRLCK);
    holder.l_len = holdersPart;
    if (fcntl(file, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK)
        return holder.l_pid;
    flock any = WholeFile(F_WRLCK);
    if (fcntl(file, F_GETLK, &any) == 0 && any.l_type != F_UNLCK)
        return any.l_pid;
    return std::nullopt;
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
        flock childrens = FileFrom(F_UNLCK, holdersPart);
        fcntl(m_file, F_SETLK, &childrens);
        m_state = State::Held;
        ++heldHere;
        sharedFile = m_file;
        return;
    }
    int error = errno;
    std::optional<pid_t> holder;
    if (error == EACCES || error == EAGAIN)
        holder = HolderOf(m_file);
    if (holder) {
        m_state = State::HeldElsewhere;
        m_holderPid = *holder;
        m_holderName = ProgramNameOf(*holder);
    } else {
        m_failure = std::strerror(error);
    }
    close(m_file);
    m_file = -1;
}

RunLock::~RunLock() {
    if (m_state == State::Held) {
        --heldHere;
        sharedFile = -1;
    }
    if (m_file >= 0)
        close(m_file);
}

void RunLock::ShareWithChild() {
    int file = sharedFile.load();
    if (file < 0)
        return;
    flock childrens = FileFrom(F_WRLCK, holdersPart);
    fcntl(file, F_SETLK, &childrens);
}

std::optional<RunLock::Holder> RunLock::HolderElsewhere(const std::string& lockFile) {
    if (heldHere > 0)
        return std::nullopt;
    int file = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    std::optional<pid_t> holder = HolderOf(file);
    close(file);
    if (!holder)
        return std::nullopt;
    return Holder{*holder, ProgramNameOf(*holder)};
}
