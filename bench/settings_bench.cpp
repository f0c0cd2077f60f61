// How long the settings file and calendar work takes at the sizes a long-running server reaches:
// schedules of 1,000 and 10,000 events and a calendar of 500 lines; and a damaged calendar of 8 MB
// without line ends, which must read in time proportional to its size.

#include "bench_folder.h"
#include "core/app_state.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "settings/settings_file.h"
#include "simfiles/calendar_file.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

constexpr int scheduleSize = 1000;
constexpr int calendarLines = 500;
constexpr size_t oneLineCalendarSize = 8 << 20;

void FillSchedule(int size) {
    ClearEvents();
    for (int n = 0; n < size; ++n) {
        auto race = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*race, true);
        race->SimExe = "C:\\Sims\\NL\\Nascar Legends.exe";
        race->CalendarFile = "C:\\Sims\\NL\\all.cal";
        race->TrackName = "Track number " + std::to_string(n);
        race->TrackNumber = n % 30 + 1;
        EventList.push_back(std::move(race));
    }
}

void BM_ReadEvents(benchmark::State& state) {
    BenchFolder folder;
    FillSchedule(static_cast<int>(state.range(0)));
    WriteEvents();
    for (auto _ : state) {
        ClearEvents();
        ReadEvents(*ReadSettingsFile());
        benchmark::DoNotOptimize(EventList.size());
    }
    ClearEvents();
}

void BM_WriteEvents(benchmark::State& state) {
    BenchFolder folder;
    FillSchedule(scheduleSize);
    for (auto _ : state)
        WriteEvents();
    ClearEvents();
}

void BM_ReadCalendar(benchmark::State& state) {
    BenchFolder folder;
    {
        std::ofstream calendar(folder.File("all.cal"), std::ios::binary);
        calendar << "SNAME Bench season\r\n";
        for (int n = 1; n < calendarLines; ++n)
            calendar << "Round " << n % 10 << "      track" << n % 1000 << "  1  200 Sunday 1:00 PM\r\n";
    }
    for (auto _ : state) {
        CCalendarFileN3 calendar(folder.File("all.cal"));
        benchmark::DoNotOptimize(calendar.GetTrackCount());
    }
}

void BM_ReadOneLineCalendar(benchmark::State& state) {
    BenchFolder folder;
    {
        const std::string entry = "Round 1      track1  1  200 Sunday 1:00 PM ";
        std::string text;
        while (text.size() < oneLineCalendarSize)
            text += entry;
        std::ofstream(folder.File("all.cal"), std::ios::binary) << text;
    }
    for (auto _ : state) {
        CCalendarFileN3 calendar(folder.File("all.cal"));
        benchmark::DoNotOptimize(calendar.GetTrackCount());
    }
}

} // namespace

BENCHMARK(BM_ReadEvents)->Arg(scheduleSize)->Arg(10 * scheduleSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEvents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCalendar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOneLineCalendar)->Unit(benchmark::kMillisecond);
