#include "schedule/countdown_timer.h"

#include "schedule/tick_loop.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Counts the ticks of one timer on their way into the owner's loop.
struct CountingTarget : TickTarget {
    explicit CountingTarget(std::shared_ptr<TickLoop> loop) : loop(std::move(loop)) {}
    void DeliverTick() override {
        ++ticks;
        loop->DeliverTick();
    }
    std::shared_ptr<TickLoop> loop;
    std::atomic<int> ticks{0};
};

} // namespace

TEST(CountdownTimer, ATimerReleasedDuringItsOwnTickIsNeverTouchedAgain) {
    auto loop = std::make_shared<TickLoop>();
    auto first = std::make_shared<CountingTarget>(loop), second = std::make_shared<CountingTarget>(loop);
    auto timer = std::make_unique<CCountdownTimer>(first);
    timer->SetPeriod(50);
    timer->Start();
    int handled = 0, firstTicksAtRelease = 0;
    std::chrono::steady_clock::time_point restarted;
    loop->Run(
        [&] {
            ++handled;
            if (handled != 3)
                return;
            // The launch: the timer whose tick this is goes, the race blocks this thread, then the next
            // countdown gets a new timer.
            timer->Stop();
            timer.reset();
            firstTicksAtRelease = first->ticks;
            std::this_thread::sleep_for(300ms);
            EXPECT_EQ(second->ticks, 0);
            timer = std::make_unique<CCountdownTimer>(second);
            timer->SetPeriod(50);
            timer->Start();
            restarted = std::chrono::steady_clock::now();
        },
        [] {}, [&] { return handled == 8; });
    EXPECT_EQ(first->ticks, firstTicksAtRelease);
    EXPECT_EQ(second->ticks, 5);
    // Once a period, the first a period after the start.
    EXPECT_GE(std::chrono::steady_clock::now() - restarted, 225ms);
}

TEST(CountdownTimer, AReleasedTimerStopsAndTheLoopLetsWaitingWorkersGo) {
    auto loop = std::make_shared<TickLoop>();
    auto target = std::make_shared<CountingTarget>(loop);
    {
        CCountdownTimer timer(target);
        timer.SetPeriod(20);
        timer.Start();
        // Nobody handles ticks yet: the worker waits inside its first delivery.
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(target->ticks, 1);
    std::thread stopper([loop] {
        std::this_thread::sleep_for(10ms);
        loop->Wake();
    });
    bool stopped = false;
    int handled = 0;
    loop->Run([&] { ++handled; }, [&] { stopped = true; }, [&] { return stopped; });
    stopper.join();
    EXPECT_EQ(handled, 1);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(target->ticks, 1);
}
