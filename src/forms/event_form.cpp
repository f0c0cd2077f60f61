#include "forms/event_form.h"

#include "core/app_state.h"
#include "core/server.h"
#include "core/simulator.h"
#include "forms/field_checks.h"
#include "simfiles/calendars.h"

namespace {

// In the order they are checked; the first that fails stops the checking. The track has no member of
// its own: it is checked after the date and the time.
const std::vector<RaceField> fields = [] {
    std::vector<RaceField> ordered = RaceFieldsInOrder(
        {"allow_ai",      "caution_flags",  "runs",          "double_file",   "force_smoke", "pace_lap",
         "practice_time", "race_length",    "arcade_mode",   "race_password", "damage",      "sim",
         "warmup_time",   "fixed_setups",   "fixed_weather", "temperature",   "wind_speed",  "save_results",
         "ai_strength",   "post_race_time", "use_invite",    "use_muzzle",    "date",        "time",
         "time_pm",       "save_replay",    "wind_direction"});
    ordered.push_back({{"track", "Select Track", FieldKind::Choice}});
    return ordered;
}();

// The simulator the radio buttons give: a position other than Legends' is Racing 3.
SimulatorValue ChosenSimulator(int position) {
    return position == SimulatorNL ? SimulatorNL : SimulatorN3;
}

} // namespace

EventForm::EventForm(RACE* event, bool isNew)
    : RecordForm(fields), m_event(event), m_isNew(isNew),
      m_shown(isNew || event == nullptr ? *DefaultRace : *event) {
    m_selectedEntry = isNew ? 0 : m_shown.TrackNumber;
    bool dated = Server->Timing == TimingSpecific;
    if (dated)
        m_shown.Runs = 1;
    bool simulatorChoice = FitRaceToInstallation(m_shown);
    ShowRecord(m_shown);
    Show("track", {-1, ""});
    Enable("runs", !dated);
    for (const char* key : {"date", "time", "time_pm"})
        Enable(key, dated);
    Enable("sim", simulatorChoice);
}

std::optional<FormProblem> EventForm::FirstRefused() const {
    RACE read = m_shown;
    return ReadRecord(read);
}

std::optional<Message> EventForm::ListTracks() {
    int sim = Value("sim").number;
    const CCalendarFile* calendar = CalendarOf(ChosenSimulator(sim));
    const char* problem = nullptr;
    if (calendar == nullptr)
        problem = "Calendar file not initialized";
    else if (calendar->GetTrackCount() == 0)
        problem = "Schedule Tab reports no tracks found in specified calendar file.";
    if (problem != nullptr) {
        if (Listed())
            Show("sim", {m_listedSim, ""});
        return Message{problem};
    }
    m_trackNames = calendar->GetTrackNames();
    m_listedSim = sim;
    int line = m_isNew ? 0 : m_selectedEntry - 1;
    ChooseTrack(line >= 0 && line < calendar->GetTrackCount() ? line : -1);
    return std::nullopt;
}

void EventForm::ChooseTrack(int line) {
    bool listed = line >= 0 && line < static_cast<int>(m_trackNames.size());
    Show("track", {listed ? line : -1, ""});
    m_selectedEntry = listed ? line + 1 : 0;
}

std::string EventForm::ChosenTrackName() const {
    int line = Value("track").number;
    return line >= 0 && line < static_cast<int>(m_trackNames.size()) ? m_trackNames[line] : std::string();
}

std::optional<FormProblem> EventForm::Accept() {
    RACE event = m_shown;
    if (std::optional<FormProblem> problem = ReadRecord(event))
        return problem;
    if (Server->Timing == TimingSpecific) {
        if (std::optional<std::string> reason = CheckDateField(event.Date))
            return FormProblem{"date", {"Error (Race date) - " + *reason}, true};
        Show("date", {0, event.Date});
    }
    if (std::optional<TimeFault> fault = CheckTimeField(event.Time))
        return FormProblem{"time", {"Error (Race time) - " + RaceTimeReason(*fault)}, true};
    int line = Value("track").number;
    const CCalendarFile* calendar = CalendarOf(ChosenSimulator(m_listedSim));
    if (line < 0 || calendar == nullptr || line >= calendar->GetTrackCount() ||
        line >= static_cast<int>(m_trackNames.size()))
        return FormProblem{"track", {"Please select a track for this event.", MessageIcon::Warning}};
    event.Sim = m_listedSim;
    const Simulator& listed = Simulators[ChosenSimulator(m_listedSim)];
    event.SimExe = *Server.*listed.path + *Server.*listed.exeFile;
    event.CalendarFile = calendar->GetFileName();
    event.TrackId = calendar->GetTrackId(line);
    event.TrackName = m_trackNames[line];
    event.TrackNumber = line + 1;
    *m_event = event;
    // The runner's remembered place means nothing once an event is added or changed.
    Server->LastRace = -1;
    return std::nullopt;
}
