#pragma once

#include "schedule/countdown_timer.h"

#include <condition_variable>
#include <functional>
#include <mutex>

// The owner's side of the countdown ticks for a program without a window loop: timers' workers deliver
// ticks into it, and the owner's thread handles them one at a time in Run. A signal handler (a stop
// request) or another thread (a command posted to the run) wakes it; Wake is safe to call in a signal
// handler.
class TickLoop : public TickTarget {
public:
    TickLoop();
    ~TickLoop() override;
    TickLoop(const TickLoop&) = delete;
    TickLoop& operator=(const TickLoop&) = delete;

    // On a worker's thread: queues the tick and returns once Run has handled it, or the loop has ended.
    void DeliverTick() override;

    void Wake();

    // Handles ticks with onTick and wake-ups with onWake until done() holds after one of them.
    // Workers still waiting when it returns are let go without their tick.
    void Run(const std::function<void()>& onTick, const std::function<void()>& onWake,
             const std::function<bool()>& done);

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
    std::mutex m_mutex;
    std::condition_variable m_handled;
    unsigned long long m_posted = 0;
    unsigned long long m_done = 0;
    bool m_closed = false;
};
