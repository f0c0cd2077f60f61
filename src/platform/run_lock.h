#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

// An exclusive lock on a lock file, held as long as this object lives, that the kernel releases when
// the process dies, so a crash leaves nothing stale. It is a record lock (fcntl), which a forked child
// does not inherit and whose holder the kernel names: this process holds the file's first byte, and
// each guard of a program it starts (spawn.h) the rest, so the lock stays taken until whatever a dead
// runner started has ended too. Taking it asks for the whole file. This process must not open and
// close the lock file elsewhere: that would release it.
class RunLock {
public:
    enum class State {
        Held,          // this process holds it
        HeldElsewhere, // another process holds it: holderPid, holderName
        Unavailable,   // the lock file cannot be made or locked: failure says why
    };

    // Takes the lock of lockFile (a host path), creating the file when missing.
    explicit RunLock(const std::string& lockFile);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    State GetState() const { return m_state; }
    pid_t HolderPid() const { return m_holderPid; }
    // The holder's program name ("quorva-run"), or "" when it cannot be read.
    const std::string& HolderName() const { return m_holderName; }
    const std::string& Failure() const { return m_failure; }

    // The process that holds the lock of lockFile now, found without taking the lock or making the file;
    // nothing when none does, or when this process holds a RunLock itself (the probe's closing would
    // release that one).
    struct Holder {
        pid_t pid = 0;
        std::string name;
    };
    static std::optional<Holder> HolderElsewhere(const std::string& lockFile);

    // In a child forked from the holder: takes the part of the lock that the holder leaves to its
    // children, for as long as the child lives. Async-signal-safe; nothing when no lock is held.
    static void ShareWithChild();

private:
    int m_file = -1;
    State m_state = State::Unavailable;
    pid_t m_holderPid = 0;
    std::string m_holderName;
    std::string m_failure;
};
