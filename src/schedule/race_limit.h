#pragma once

#include "platform/process.h"
#include "settings/watchdog_settings.h"

// The time limit of each race of a run: MaxRaceMinutes, with 30 seconds' grace between the gentle end
// and the end for good. The tests shorten a race's limit to seconds with QUORVA_TEST_RACE_SECONDS, which
// nothing else offers; the grace is then as long as the limit.
RaceLimit RaceLimitOf(const WatchdogSettings& settings);
