#include "publish/upcoming_starts.h"

#include "schedule/clock_time.h"
#include "schedule/countdown.h"

namespace {

constexpr size_t dailyStartsTold = 14;

// A calendar shows whole minutes: the daily countdown ends a second before the clock time.
std::time_t OnTheMinute(std::time_t moment) {
    return moment + (60 - moment % 60) % 60;
}

std::string FrameText(const std::string& time, int pm) {
    return time + (pm != 0 ? " PM" : " AM");
}

std::string LoopNote(const SERVER& server) {
    std::string note = "Later starts depend on how long races last";
    if (server.LimitTime != 0)
        note += "; races run daily from " + FrameText(server.StartTime, server.StartTimePM) + " to " +
                FrameText(server.StopTime, server.StopTimePM);
    return note + ".";
}

std::vector<UpcomingStart> DailyStarts(const SERVER& server, const RaceList& events, int index, int runNumber,
                                       std::time_t startsAt) {
    std::vector<UpcomingStart> starts{{OnTheMinute(startsAt), *events[static_cast<size_t>(index)], ""}};
    DailyTime daily = ParseDailyTime(server.DailyTime, server.Pm);
    // From the day before, since an hour of 24 is the next day's first hour; each day's time from the
    // calendar, so the days the clocks change keep the same local time.
    LocalDate day = DateOf(starts.front().startsAt);
    --day.day;
    size_t current = static_cast<size_t>(index);
    for (size_t days = 0; starts.size() < dailyStartsTold && days <= dailyStartsTold + 1;
         ++days, day = NextDay(day)) {
        std::time_t time = LocalClockTime(day, daily.hour, daily.minute);
        if (time <= starts.back().startsAt)
            continue;
        if (runNumber < events[current]->Runs) {
            ++runNumber;
        } else {
            runNumber = 1;
            current = (current + 1) % events.size();
            if (current == 0 && server.StopAtEnd != 0)
                break;
        }
        starts.push_back({time, *events[current], ""});
    }
    return starts;
}

} // namespace

std::vector<UpcomingStart> UpcomingStarts(const SERVER& server, const RaceList& events, int index,
                                          int runNumber, std::time_t startsAt, std::time_t now) {
    if (index < 0 || static_cast<size_t>(index) >= events.size())
        return {};
    switch (server.Timing) {
    case TimingSpecific: {
        std::vector<UpcomingStart> starts;
        for (size_t n = static_cast<size_t>(index); n < events.size(); ++n)
            if (std::time_t time = EventClockTime(*events[n]); time >= now)
                starts.push_back({time, *events[n], ""});
        return starts;
    }
    case TimingDaily:
        return DailyStarts(server, events, index, runNumber, startsAt);
    default:
        return {{startsAt, *events[static_cast<size_t>(index)], LoopNote(server)}};
    }
}
