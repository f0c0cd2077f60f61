#include "schedule/tick_loop.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char tickByte = 'T';
constexpr char wakeByte = 'W';

} // namespace

TickLoop::TickLoop() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) == 0) {
        m_readEnd = ends[0];
        m_writeEnd = ends[1];
    }
}

TickLoop::~TickLoop() {
    close(m_readEnd);
    close(m_writeEnd);
}

void TickLoop::DeliverTick() {
    std::unique_lock lock(m_mutex);
    if (m_closed)
        return;
    unsigned long long ticket = ++m_posted;
    char byte = tickByte;
    while (write(m_writeEnd, &byte, 1) < 0 && errno == EINTR) {
    }
    m_handled.wait(lock, [&] { return m_closed || m_done >= ticket; });
}

void TickLoop::Wake() {
    char byte = wakeByte;
    ssize_t written = write(m_writeEnd, &byte, 1);
    (void)written;
}

void TickLoop::Run(const std::function<void()>& onTick, const std::function<void()>& onWake,
                   const std::function<bool()>& done) {
    while (!done()) {
        char byte = 0;
        ssize_t got = read(m_readEnd, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        if (byte == wakeByte) {
            onWake();
            continue;
        }
        onTick();
        std::lock_guard lock(m_mutex);
        ++m_done;
        m_handled.notify_all();
    }
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_handled.notify_all();
}
