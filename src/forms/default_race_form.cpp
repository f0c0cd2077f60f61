#include "forms/default_race_form.h"

#include "core/app_state.h"
#include "core/server.h"
#include "core/simulator.h"
#include "settings/race_store.h"

namespace {

// In the order they are checked; the first that fails stops the checking.
const std::vector<RaceField> fields = RaceFieldsInOrder(
    {"allow_ai",      "caution_flags",  "runs",          "double_file",   "force_smoke", "pace_lap",
     "practice_time", "race_length",    "arcade_mode",   "race_password", "warmup_time", "damage",
     "sim",           "fixed_setups",   "fixed_weather", "temperature",   "wind_speed",  "save_results",
     "ai_strength",   "post_race_time", "save_replay",   "use_invite",    "use_muzzle",  "wind_direction"},
    {{"race_length", "Race length (1-100%):"}});

} // namespace

DefaultRaceForm::DefaultRaceForm() : RecordForm(fields), m_shown(*DefaultRace) {
    if (Server->PathN3.empty())
        m_shown.Sim = SimulatorNL;
    if (Server->PathNL.empty())
        m_shown.Sim = SimulatorN3;
    bool simulatorChoice = FitRaceToInstallation(m_shown);
    ShowRecord(m_shown);
    Enable("sim", simulatorChoice);
}

std::optional<FormProblem> DefaultRaceForm::Accept() {
    RACE read = m_shown;
    if (std::optional<FormProblem> problem = ReadRecord(read))
        return problem;
    read.TrackNumber = 0;
    read.CalendarFile.clear();
    read.SimExe.clear();
    *DefaultRace = read;
    WriteDefaultRace();
    return std::nullopt;
}
