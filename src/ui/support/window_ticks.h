#pragma once

#include "schedule/countdown_timer.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Hands the timers' ticks to the windows' thread: each tick is queued there and the worker waits until
// it has been handled, or until the window that handles them has gone (Close). Another thread wakes the
// windows' thread the same way for work posted to it (Wake), without waiting.
class WindowTicks : public TickTarget, public std::enable_shared_from_this<WindowTicks> {
public:
    WindowTicks(std::function<void()> onTick, std::function<void()> onWake);

    void DeliverTick() override;
    void Wake();

    // The window is going: ticks still on their way are dropped and their workers let go.
    void Close();

private:
    std::function<void()> m_onTick;
    std::function<void()> m_onWake;
    std::mutex m_mutex;
    std::condition_variable m_handled;
    unsigned long long m_posted = 0;
    unsigned long long m_done = 0;
    bool m_closed = false;
};
