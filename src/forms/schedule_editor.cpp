#include "forms/schedule_editor.h"

#include "core/app_state.h"
#include "platform/windows_1252.h"
#include "settings/race_store.h"
#include "simfiles/calendars.h"

#include <algorithm>

ScheduleEditor::ScheduleEditor() {
    for (const auto& scheduled : EventList)
        m_working.push_back(*scheduled);
    if (!m_working.empty())
        m_selected = 0;
    UpdateButtons();
}

std::vector<std::string> ScheduleEditor::Lines() const {
    std::vector<std::string> lines;
    for (const RACE& event : m_working)
        lines.push_back(Utf8FromStored(event.TrackName));
    return lines;
}

const RACE* ScheduleEditor::SelectedEvent() const {
    return m_selected < 0 ? nullptr : &m_working[static_cast<size_t>(m_selected)];
}

bool ScheduleEditor::CanAddAll(SimulatorValue simulator) {
    return !(*Server.*Simulators[simulator].path).empty();
}

void ScheduleEditor::UpdateButtons() {
    int count = static_cast<int>(m_working.size());
    m_buttons = {count > 0, count > 0, count > 0 && m_selected > 0, count > 0 && m_selected < count - 1};
}

void ScheduleEditor::Select(int line) {
    m_selected = line >= 0 && line < static_cast<int>(m_working.size()) ? line : -1;
    UpdateButtons();
}

void ScheduleEditor::Add(std::optional<RACE> added) {
    if (added) {
        m_working.push_back(std::move(*added));
        m_selected = static_cast<int>(m_working.size()) - 1;
    }
    UpdateButtons();
}

void ScheduleEditor::Edit(std::optional<RACE> edited) {
    if (m_selected < 0)
        return;
    if (edited)
        m_working[static_cast<size_t>(m_selected)] = std::move(*edited);
    UpdateButtons();
}

void ScheduleEditor::Delete() {
    if (m_selected < 0)
        return;
    m_working.erase(m_working.begin() + m_selected);
    // The line now in its place, or the new last line.
    m_selected = std::min(m_selected, static_cast<int>(m_working.size()) - 1);
    UpdateButtons();
}

Message ScheduleEditor::DeleteAllQuestion() {
    return {"This will delete ALL events from the schedule.\nAre you sure you want to do this?",
            MessageIcon::Question, MessageButtons::YesNo};
}

void ScheduleEditor::DeleteAll() {
    m_working.clear();
    m_selected = -1;
    UpdateButtons();
}

void ScheduleEditor::MoveUp() {
    MoveSelected(-1);
}

void ScheduleEditor::MoveDown() {
    MoveSelected(1);
}

void ScheduleEditor::MoveSelected(int step) {
    int target = m_selected + step;
    if (m_selected < 0 || target < 0 || target >= static_cast<int>(m_working.size()))
        return;
    std::swap(m_working[static_cast<size_t>(m_selected)], m_working[static_cast<size_t>(target)]);
    m_selected = target;
    UpdateButtons();
}

std::optional<Message> ScheduleEditor::AddAll(SimulatorValue simulator) {
    const Simulator& adding = Simulators[simulator];
    const CCalendarFile* calendar = CalendarOf(simulator);
    if (calendar == nullptr)
        return Message{"Calendar file not initialized"};
    int count = calendar->GetTrackCount();
    if (count == 0)
        return Message{"Schedule Tab reports no tracks found in specified calendar file."};
    std::vector<std::string> names = calendar->GetTrackNames();
    for (int entry = 0; entry < count; ++entry) {
        RACE event = *DefaultRace;
        event.SimExe = *Server.*adding.path + *Server.*adding.exeFile;
        event.CalendarFile = calendar->GetFileName();
        event.TrackName = names[static_cast<size_t>(entry)];
        event.TrackId = calendar->GetTrackId(entry);
        event.Sim = simulator;
        event.TrackNumber = entry + 1;
        m_working.push_back(std::move(event));
    }
    return std::nullopt;
}

void ScheduleEditor::Accept() {
    bool changed = !std::equal(m_working.begin(), m_working.end(), EventList.begin(), EventList.end(),
                               [](const RACE& shown, const auto& stored) { return shown == *stored; });
    if (changed)
        Server->LastRace = -1;
    ClearEvents();
    for (RACE& event : m_working)
        EventList.push_back(std::make_unique<RACE>(std::move(event)));
    m_working.clear();
    m_selected = -1;
    WriteEvents(changed);
    ScheduleLoaded = !EventList.empty();
}
