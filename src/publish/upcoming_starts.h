#pragma once

#include "core/app_state.h"
#include "core/race.h"
#include "core/server.h"

#include <ctime>
#include <string>
#include <vector>

// The starts of a running schedule that its timing mode can tell ahead, for the calendar feed.

struct UpcomingStart {
    std::time_t startsAt = 0;
    RACE event;
    // What the league should know beside the start, for the continuous loop.
    std::string note;
};

// The countdown to run runNumber of the event at index in events ends at startsAt. A dated schedule
// tells every event from there on that is still ahead of now; the daily time the next fourteen starts,
// each event as often as its runs ask and none after the end where the schedule stops there; the
// continuous loop only the next start, since later ones depend on how long races last.
std::vector<UpcomingStart> UpcomingStarts(const SERVER& server, const RaceList& events, int index,
                                          int runNumber, std::time_t startsAt, std::time_t now);
