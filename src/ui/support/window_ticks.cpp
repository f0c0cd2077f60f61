#include "ui/support/window_ticks.h"

#include <wx/app.h>

WindowTicks::WindowTicks(std::function<void()> onTick, std::function<void()> onWake)
    : m_onTick(std::move(onTick)), m_onWake(std::move(onWake)) {}

void WindowTicks::DeliverTick() {
    std::unique_lock lock(m_mutex);
    if (m_closed || wxTheApp == nullptr)
        return;
    unsigned long long ticket = ++m_posted;
    wxTheApp->CallAfter([self = shared_from_this()] {
        bool closed;
        {
            std::lock_guard guard(self->m_mutex);
            closed = self->m_closed;
        }
        if (!closed)
            self->m_onTick();
        std::lock_guard guard(self->m_mutex);
        ++self->m_done;
        self->m_handled.notify_all();
    });
    m_handled.wait(lock, [&] { return m_closed || m_done >= ticket; });
}

void WindowTicks::Wake() {
    std::lock_guard lock(m_mutex);
    if (m_closed || wxTheApp == nullptr)
        return;
    wxTheApp->CallAfter([self = shared_from_this()] {
        bool closed;
        {
            std::lock_guard guard(self->m_mutex);
            closed = self->m_closed;
        }
        if (!closed)
            self->m_onWake();
    });
}

void WindowTicks::Close() {
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_handled.notify_all();
}
