#pragma once

#include "publish/race_json.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

// What the running schedule is doing, as the status page tells it to the league.
enum class RunState { NotRunning, CountingDown, Racing, StoppedAtEnd, StoppedOnError };

struct StatusEvent {
    std::string simulator;
    std::string track;
    // When the event starts; 0 when that is not known yet (it follows a race still to come).
    std::time_t startsAt = 0;

    bool operator==(const StatusEvent&) const = default;
};

struct RunStatus {
    RunState state = RunState::NotRunning;
    std::time_t updated = 0;
    // The event counted down to, or the one racing.
    std::optional<StatusEvent> event;
    // When the race in progress began.
    std::time_t since = 0;
    // What ended the schedule, for StoppedOnError.
    std::string error;
    // The events that follow, in running order.
    std::vector<StatusEvent> nextEvents;
    std::optional<KeptRace> lastRace;

    bool operator==(const RunStatus&) const = default;
};
