#pragma once

#include "core/race.h"
#include "results/html_results.h"

#include <ctime>
#include <string>

// Why a run ended.
enum class RunEnd {
    Running,
    ScheduleOver, // the schedule reached its end as the settings ask
    Stopped,      // the operator stopped it ("Stop", the close box, a stop signal)
    Error,        // something failed; the runner's ErrorText says what
};

// Follows a running schedule from outside its window: told when the schedule's state changes and when
// a race's results page has been made, never at every tick. index is the event's place in EventList.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    // A countdown to the event began, or the next event changed while it ran; startsAt is when it ends.
    virtual void CountingDown(const RACE& event, int index, std::time_t startsAt, std::time_t now) = 0;
    virtual void RaceStarted(const RACE& event, int index, std::time_t now) = 0;
    // The results page of the race that just ended was made from its standings.
    virtual void ResultsMade(const RACE& event, const RaceResults& results, std::time_t now) = 0;
    // error says in a few words what failed, for RunEnd::Error.
    virtual void RunEnded(RunEnd how, const std::string& error, std::time_t now) = 0;
};
