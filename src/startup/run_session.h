#pragma once

#include "platform/run_lock.h"
#include "schedule/run_observer.h"
#include "schedule/run_texts.h"
#include "schedule/schedule_runner.h"

#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// An operator's command to a running schedule, given from any thread.
struct RunCommand {
    enum Kind {
        StartNow,
        Skip,
        Choose,    // the event at index runs next
        StopAtEnd, // the "Stop at end of schedule" switch, set to checked
        Stop,      // "Stop"; during a race, once the race is over
        Cancel,    // the close box: ends the run without storing where it stopped
        EndRace,   // ends the race in progress; the schedule goes on
    };
    Kind kind;
    int index = 0;
    bool checked = false;
};

// What a front end shows of a running schedule, as it stood at the end of the run's latest turn (or as
// the race began).
struct RunSnapshot {
    bool running = false;  // from the start of the run to its end
    bool stopping = false; // a stop was asked during the race: the run ends once it is over
    std::vector<std::string> items;
    int marked = -1;
    NextEventTexts next;
    std::string countdown;
    int seconds = 0;
    std::time_t racingSince = 0; // 0 while no race runs
    bool stopAtEnd = false;
    bool stopAtEndEnabled = false;
    std::string problem;
};

// The one way to run the schedule, for every front end: it holds the program folder's lock, builds the
// publisher and the runner, and ends the runner first and the lock last, so that no other runner starts
// before the published status says this one has ended. The runner lives on one thread, the run's
// thread, which ticks it and carries out the posted commands; other threads only post commands and read
// snapshots.
class RunSession {
public:
    // Makes the observer of the run (the published folder's publisher); none when it is empty.
    using ObserverFactory = std::function<std::unique_ptr<RunObserver>()>;

    // What the front end gives. wake is called on the posting thread after a command has been queued,
    // so that the run's thread turns (RunPosted) without waiting for its next tick.
    struct Parts {
        const Clock& clock;
        SimulatorLauncher& launcher;
        ScheduleView& view;
        ScheduleRunner::TimerFactory makeTimer;
        std::function<void()> wake;
        ObserverFactory makeObserver;
    };

    // Takes the lock and builds the run; nothing, and nothing built, when another process runs this
    // program folder's schedule (the operator has been told which).
    static std::unique_ptr<RunSession> Open(Parts parts);
    ~RunSession();
    RunSession(const RunSession&) = delete;
    RunSession& operator=(const RunSession&) = delete;

    // On the run's thread; each is a turn of the run, which publishes the snapshot at its end.
    void Start();
    // A tick of the countdown timer: the posted commands first.
    void Tick();
    void RunPosted();
    // A command of the front end's own, given on the run's thread: carried out at once.
    void Carry(const RunCommand& command);
    // The front end's problem line changed.
    void ShowProblem(const std::string& line);
    ScheduleRunner& Runner() { return *m_runner; }

    // On any thread. False when the command was refused: the run is not running, or a race is in
    // progress, during which only Stop and EndRace are taken (the window's input is discarded then too).
    bool Post(const RunCommand& command);
    RunSnapshot Snapshot() const;

private:
    class View;

    RunSession(std::unique_ptr<RunLock> lock, Parts& parts);
    void CarryOut(const RunCommand& command);
    // Copies what the run shows now into the snapshot that other threads read.
    void Publish();

    // What the run shows as it goes, on the run's thread only.
    RunSnapshot m_shown;

    mutable std::mutex m_mutex;
    RunSnapshot m_snapshot;
    bool m_stopAfterRace = false;
    std::deque<RunCommand> m_posted;

    std::unique_ptr<RunLock> m_lock;
    ScheduleView& m_frontView;
    std::function<void()> m_wake;
    std::unique_ptr<View> m_view;
    std::unique_ptr<RunObserver> m_observer;
    std::unique_ptr<ScheduleRunner> m_runner;
};
