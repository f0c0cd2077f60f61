#include "startup/console_view.h"

#include "platform/host_path.h"
#include "platform/local_time.h"
#include "platform/process.h"
#include "platform/service_notify.h"
#include "schedule/run_texts.h"

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

std::string TimeStamp(std::time_t moment) {
    return FormatLocalTime(moment, "%Y-%m-%d %H:%M:%S");
}

ConsoleView::ConsoleView(std::FILE* out, const Clock& clock)
    : m_out(out), m_clock(clock), m_terminal(isatty(fileno(out)) != 0) {}

void ConsoleView::Line(const std::string& text) {
    Lines({text});
}

void ConsoleView::Lines(const std::vector<std::string>& texts) {
    if (m_countdownInPlace)
        std::fputs("\n", m_out);
    m_countdownInPlace = false;
    // One time stamp and one write for them all: a schedule's list may run to thousands of lines.
    std::string stamp = TimeStamp(m_clock.Now());
    for (const std::string& text : texts)
        std::fprintf(m_out, "[%s] %s\n", stamp.c_str(), text.c_str());
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
    std::vector<std::string> lines{"Scheduled events:"};
    lines.reserve(m_items.size() + 1);
    for (const std::string& item : m_items)
        lines.push_back("    " + ItemLine(item));
    Lines(lines);
}

void ConsoleView::ReplaceEventItem(int index, const std::string& text) {
    if (index >= 0 && index < static_cast<int>(m_items.size()))
        m_items[static_cast<size_t>(index)] = text;
}

void ConsoleView::ShowNextEvent(const NextEventTexts& texts, const RACE& event) {
    m_trackName = event.TrackName;
    m_countdownStatusDue = true;
    Line("Next event: " + texts.track + " (" + texts.simulator + "), run " + texts.consecutiveRun);
    Line("    weather " + texts.weather + "; race length " + texts.raceLength + "; practice " +
         texts.practiceTime + ", warm-up " + texts.warmupTime + ", post race " + texts.postRaceTime +
         "; damage model " + texts.damageModel);
    m_pace.Restart();
}

void ConsoleView::ShowCountdown(const std::string& text, int seconds) {
    if (m_countdownStatusDue) {
        NotifyService("STATUS=Counting down to " + m_trackName + ", start " +
                      FormatLocalTime(m_clock.Now() + seconds, "%H:%M"));
        m_countdownStatusDue = false;
    }
    if (m_terminal) {
        std::fprintf(m_out, "\r[%s] Time to next event: %s; %s ", TimeStamp(m_clock.Now()).c_str(),
                     text.c_str(), NextStartText(m_clock.Now() + seconds).c_str());
        std::fflush(m_out);
        m_countdownInPlace = true;
    } else if (m_pace.Due(seconds)) {
        Line("Time to next event: " + text + "; " + NextStartText(m_clock.Now() + seconds));
    }
}

void ConsoleView::ShowRunText(const std::string& text) {
    Line("Consecutive run: " + text);
    m_pace.Restart();
    m_countdownStatusDue = true;
}

void ConsoleView::SetStopAtEnd(bool checked, bool) {
    m_stopAtEnd = checked;
    Line(std::string("Stop at end of schedule: ") + (checked ? "yes" : "no"));
}

void ConsoleView::RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) {
    Line("Launch " + std::to_string(launchNumber) + ": " + commandLine +
         (how.empty() ? "" : " (" + how + ")"));
    NotifyService("STATUS=Race in progress: " + m_trackName + " since " +
                  FormatLocalTime(m_clock.Now(), "%H:%M"));
}

void ConsoleView::RaceNotStarted(const std::string& why) {
    Line("The simulator could not be started: " + why);
}

void ConsoleView::RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) {
    m_pace.Restart();
    m_countdownStatusDue = true;
    if (outcome.raced) {
        Line("Race over: " + outcome.text + ".");
        return;
    }
    Line(outcome.text);
    for (const std::string& line : outcome.lastLines)
        Line("    | " + line);
    if (!outputFile.empty())
        Line("    Everything it wrote is in " + WithHostPath(outputFile));
}

void ConsoleView::BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) {
    Line(BackOffText(failuresInARow, pauseMinutes, until));
}

void ConsoleView::ResultsPublished(const std::string& pagePath) {
    Line("Results page: " + WithHostPath(pagePath));
}

bool ConsoleView::StopRequestedDuringRace() {
    return StopRequests() > 0;
}
