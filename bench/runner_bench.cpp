// How long Quorva takes from a simulator's exit to the next countdown: the results page of a full
// field of 43 drivers, the after-race decisions and the new countdown (the launch's event file too);
// with published:1 also the race kept in the published folder, the index rebuilt and the status
// written, the folder holding kept races (earlier runs') at the start.

#include "bench_folder.h"
#include "core/app_state.h"
#include "publish/race_json.h"
#include "publish/results_publisher.h"
#include "race.h"
#include "schedule/schedule_runner.h"
#include "standings_text.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

class InstantClock : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};

// A simulator that leaves its standings at once; writing them is not Quorva's time.
class InstantLauncher : public SimulatorLauncher {
public:
    InstantLauncher(benchmark::State& state, std::string folder)
        : m_state(state), m_folder(std::move(folder)) {}
    Start StartSimulator(const std::string&, const std::string&) override { return {true, "", ""}; }
    End WaitForSimulator(const RaceLimit&) override {
        m_state.PauseTiming();
        StandInEvent event;
        event.fieldSize = 43;
        ++m_launches;
        std::string name = "evt" + std::to_string(100000 + m_launches).substr(1) + ".stn";
        std::ofstream(m_folder + name, std::ios::binary) << StnText(RunRace(event, m_launches));
        m_state.ResumeTiming();
        return {};
    }

private:
    benchmark::State& m_state;
    std::string m_folder;
    std::uint64_t m_launches = 0;
};

class QuietView : public ScheduleView {
public:
    void SetCaption(const std::string&) override {}
    void SetEventItems(const std::vector<std::string>&) override {}
    void ReplaceEventItem(int, const std::string&) override {}
    void SelectEventItem(int) override {}
    void ShowNextEvent(const NextEventTexts&, const RACE&) override {}
    void ShowCountdown(const std::string&, int) override {}
    void ShowRunText(const std::string&) override {}
    void SetStopAtEnd(bool, bool) override {}
    bool StopAtEndChecked() const override { return false; }
    void EndRun(int) override {}
    void RaceStarted(int, const std::string&, const std::string&) override {}
    void RaceNotStarted(const std::string&) override {}
    void RaceEnded(const RaceOutcome&, const std::string&) override {}
    void ResultsPublished(const std::string&) override {}
    bool StopRequestedDuringRace() override { return false; }
};

// A published folder with races kept over the last weeks, as earlier runs leave it.
void KeepEarlierRaces(const std::string& folder, int count) {
    std::filesystem::create_directories(folder);
    StandInEvent event;
    event.fieldSize = 43;
    std::string standings = folder + "standings.stn";
    std::ofstream(standings, std::ios::binary) << StnText(RunRace(event, 1));
    CStnFile reader(standings);
    std::filesystem::remove(standings);
    std::time_t start = std::time(nullptr) - count * 3600;
    for (int race = 0; race < count; ++race) {
        RaceFacts facts{start + race * 3600, 1, "earlier-" + std::to_string(race)};
        std::ofstream(folder + facts.baseName + ".json", std::ios::binary) << RaceJson(facts, reader);
    }
}

class IdleTimer : public ScheduleTimer {
public:
    void SetPeriod(int) override {}
    void Start() override {}
    void Stop() override {}
};

void BM_RaceEndToNextCountdown(benchmark::State& state) {
    BenchFolder folder;
    std::filesystem::create_directories(folder.File("nl"));
    std::filesystem::copy_file(QUORVA_DATA_DIR "Quorvahtml.html", folder.File("Quorvahtml.html"));
    Server = std::make_unique<SERVER>();
    SetNewServerValues(*Server);
    Server->PathNL = folder.File("nl/");
    Server->RaceDelay = 5;
    Server->ResultsToHTML = 1;
    auto event = std::make_unique<RACE>();
    SetNewDefaultRaceValues(*event, true);
    event->SaveResults = 1;
    event->Runs = 1;
    EventList.push_back(std::move(event));

    InstantClock clock;
    InstantLauncher launcher(state, folder.File("nl/"));
    QuietView view;
    ScheduleRunner runner(clock, launcher, view, [] { return std::make_unique<IdleTimer>(); });
    std::unique_ptr<ResultsPublisher> publisher;
    if (state.range(0) != 0) {
        KeepEarlierRaces(folder.File("results/"), static_cast<int>(state.range(1)));
        publisher = std::make_unique<ResultsPublisher>(folder.File("results/"), "League",
                                                       folder.File("Quorvahtml.html"));
        runner.SetObserver(publisher.get());
    }
    runner.OnInitDialog();
    for (auto _ : state)
        runner.OnStartNow();
    ClearEvents();
    Server.reset();
}

} // namespace

BENCHMARK(BM_RaceEndToNextCountdown)
    ->ArgNames({"published", "kept"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);
