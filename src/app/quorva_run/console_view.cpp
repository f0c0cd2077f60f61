#include "app/quorva_run/console_view.h"

#include "platform/host_path.h"
#include "platform/local_time.h"
#include "platform/process.h"
#include "schedule/schedule_runner.h"

#include <ctime>
#include <unistd.h>

namespace {

// A list item's tab stands between the mark and the track name.
std::string ItemLine(const std::string& item) {
    size_t tab = item.find('\t');
    std::string mark = item.substr(0, tab);
    return (mark.empty() ? "    " : mark + "  ") + (tab == std::string::npos ? "" : item.substr(tab + 1));
}

// A path with its host path after it, where the two differ.
std::string WithHostPath(const std::string& path) {
    std::string file = HostPath(path);
    return path + (file == path ? "" : " (" + file + ")");
}

} // namespace

std::string TimeStamp() {
    return FormatLocalTime(std::time(nullptr), "%Y-%m-%d %H:%M:%S");
}

ConsoleView::ConsoleView(std::FILE* out) : m_out(out), m_terminal(isatty(fileno(out)) != 0) {}

void ConsoleView::Line(const std::string& text) {
    if (m_countdownInPlace)
        std::fputs("\n", m_out);
    m_countdownInPlace = false;
    std::fprintf(m_out, "[%s] %s\n", TimeStamp().c_str(), text.c_str());
    std::fflush(m_out);
}

void ConsoleView::SetCaption(const std::string& caption) {
    Line(caption);
}

void ConsoleView::SetEventItems(const std::vector<std::string>& items) {
    m_items = items;
    PrintList();
}

void ConsoleView::PrintList() {
    Line("Scheduled events:");
    for (const std::string& item : m_items)
        std::fprintf(m_out, "    %s\n", ItemLine(item).c_str());
    std::fflush(m_out);
}

void ConsoleView::ReplaceEventItem(int index, const std::string& text) {
    if (index >= 0 && index < static_cast<int>(m_items.size()))
        m_items[static_cast<size_t>(index)] = text;
}

void ConsoleView::ShowNextEvent(const NextEventTexts& texts, const RACE&) {
    Line("Next event: " + texts.track + " (" + texts.simulator + "), run " + texts.consecutiveRun);
    std::fprintf(m_out,
                 "    weather %s; race length %s; practice %s, warm-up %s, post race %s; damage model %s\n",
                 texts.weather.c_str(), texts.raceLength.c_str(), texts.practiceTime.c_str(),
                 texts.warmupTime.c_str(), texts.postRaceTime.c_str(), texts.damageModel.c_str());
    std::fflush(m_out);
    m_countdownShown = false;
}

void ConsoleView::ShowCountdown(const std::string& text, int seconds) {
    if (m_terminal) {
        std::fprintf(m_out, "\r[%s] Time to next event: %s ", TimeStamp().c_str(), text.c_str());
        std::fflush(m_out);
        m_countdownInPlace = true;
    } else if (!m_countdownShown || seconds % 60 == 0) {
        Line("Time to next event: " + text);
    }
    m_countdownShown = true;
}

void ConsoleView::ShowRunText(const std::string& text) {
    Line("Consecutive run: " + text);
    m_countdownShown = false;
}

void ConsoleView::SetStopAtEnd(bool checked, bool) {
    m_stopAtEnd = checked;
    Line(std::string("Stop at end of schedule: ") + (checked ? "yes" : "no"));
}

void ConsoleView::EndRun(int result) {
    const char* how = result == RunResultShutDown ? "the schedule is over; Quorva closes"
                      : result == RunResultCancel ? "cancelled"
                                                  : "stopped";
    Line(std::string("Schedule ended: ") + how + ".");
}

void ConsoleView::RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) {
    Line("Launch " + std::to_string(launchNumber) + ": " + commandLine +
         (how.empty() ? "" : " (" + how + ")"));
}

void ConsoleView::RaceNotStarted(const std::string& why) {
    Line("The simulator could not be started: " + why);
}

void ConsoleView::RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) {
    m_countdownShown = false;
    if (outcome.raced) {
        Line("Race over: " + outcome.text + ".");
        return;
    }
    Line(outcome.text);
    for (const std::string& line : outcome.lastLines)
        std::fprintf(m_out, "    | %s\n", line.c_str());
    std::fprintf(m_out, "    Everything it wrote is in %s\n", WithHostPath(outputFile).c_str());
    std::fflush(m_out);
}

void ConsoleView::ResultsPublished(const std::string& pagePath) {
    Line("Results page: " + WithHostPath(pagePath));
}

bool ConsoleView::StopRequestedDuringRace() {
    return StopRequests() > 0;
}
