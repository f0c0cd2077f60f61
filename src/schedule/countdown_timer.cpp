#include "schedule/countdown_timer.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <pthread.h>
#include <thread>

struct CCountdownTimer::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::shared_ptr<TickTarget> target;
    int period = -1;
    bool stopped = true;
    bool woken = false;
};

void CCountdownTimer::RunWorker(std::shared_ptr<State> state) {
    // Signals are the main thread's to take (the console runner stops on them), never a worker's.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);

    std::unique_lock lock(state->mutex);
    while (!state->stopped) {
        auto wake = [&] { return state->woken; };
        bool woken = state->period < 0
                         ? (state->changed.wait(lock, wake), true)
                         : state->changed.wait_for(lock, std::chrono::milliseconds(state->period), wake);
        if (woken) {
            state->stopped = true;
            break;
        }
        if (state->stopped)
            break;
        std::shared_ptr<TickTarget> target = state->target;
        lock.unlock();
        target->DeliverTick();
        lock.lock();
    }
}

CCountdownTimer::CCountdownTimer(std::shared_ptr<TickTarget> target) : m_state(std::make_shared<State>()) {
    m_state->target = std::move(target);
}

CCountdownTimer::~CCountdownTimer() {
    Stop();
}

void CCountdownTimer::SetPeriod(int milliseconds) {
    std::lock_guard lock(m_state->mutex);
    m_state->period = milliseconds;
}

void CCountdownTimer::Start() {
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_state->stopped)
            return;
        m_state->stopped = false;
        m_state->woken = false;
    }
    if (!m_workerStarted) {
        m_workerStarted = true;
        std::thread(RunWorker, m_state).detach();
    }
}

void CCountdownTimer::Stop() {
    std::lock_guard lock(m_state->mutex);
    if (m_state->stopped)
        return;
    m_state->stopped = true;
    m_state->woken = true;
    m_state->changed.notify_all();
}
