#include "schedule/race_limit.h"

#include "platform/leading_integer.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr std::chrono::seconds graceTime{30};
} // namespace

RaceLimit RaceLimitOf(const WatchdogSettings& settings) {
    if (const char* seconds = std::getenv("QUORVA_TEST_RACE_SECONDS"); seconds != nullptr) {
        std::chrono::seconds limit{std::max(0, LeadingInteger(seconds))};
        return {limit, limit};
    }
    return {std::chrono::minutes(settings.MaxRaceMinutes), graceTime};
}
