#pragma once

#include <memory>

// The receiver of a timer's ticks: hands each tick to the owner's thread and returns once it has been
// handled there, so ticks never pile up and the running schedule is only touched by its own thread.
class TickTarget {
public:
    virtual ~TickTarget() = default;
    virtual void DeliverTick() = 0;
};

// What the running schedule asks of a countdown timer; tests hand it timers that tick when told.
class ScheduleTimer {
public:
    virtual ~ScheduleTimer() = default;
    virtual void SetPeriod(int milliseconds) = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
};

// Ticks once a period from a worker thread of its own. The worker shares the timer's state, so a timer
// released while one of its ticks is being handled (the tick that launched a race) is never touched
// again: the worker finds itself stopped when the tick returns and leaves. A stopped timer never ticks
// again; the schedule makes a new one for each countdown.
class CCountdownTimer : public ScheduleTimer {
public:
    explicit CCountdownTimer(std::shared_ptr<TickTarget> target);
    ~CCountdownTimer() override;
    CCountdownTimer(const CCountdownTimer&) = delete;
    CCountdownTimer& operator=(const CCountdownTimer&) = delete;

    // -1 waits without limit: no ticks.
    void SetPeriod(int milliseconds) override;
    void Start() override;
    // Ends the worker's wait at once; a tick being delivered at this moment completes first.
    void Stop() override;

private:
    struct State;
    static void RunWorker(std::shared_ptr<State> state);

    std::shared_ptr<State> m_state;
    bool m_workerStarted = false;
};
