#include "ui/dialogs/dlg_default_race.h"

#include "core/app_state.h"
#include "settings/race_store.h"
#include "ui/dialogs/race_controls.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 130;
const wxSize dialogSize(400, 300);

// The fields in the order they are read; the first that fails its check stops the reading.
const std::vector<RaceField> readingOrder = RaceFieldsInOrder(
    {IDC_ALLOW_AI,    IDC_CAUTION_FLAGS, IDC_CONSECUTIVE_RUNS, IDC_DOUBLE_FILE,  IDC_FORCE_SMOKE,
     IDC_PACE_LAP,    IDC_PRACTICE_TIME, IDC_RACE_LENGTH,      IDC_ARCADE_MODE,  IDC_RACE_PASSWORD,
     IDC_WARMUP_TIME, IDC_DAMAGE_NONE,   IDC_SIM_N3,           IDC_FIXED_SETUPS, IDC_FIXED_WEATHER,
     IDC_TEMPERATURE, IDC_WIND_SPEED,    IDC_SAVE_RESULTS,     IDC_AI_STRENGTH,  IDC_POST_RACE_TIME,
     IDC_SAVE_REPLAY, IDC_USE_INVITE,    IDC_USE_MUZZLE});

} // namespace

CDlgDefaultRace::CDlgDefaultRace(wxWindow* parent)
    : CDlgBase(templateId, parent, "Default Race Configuration", dialogSize) {
    new wxStaticText(this, wxID_ANY,
                     "These settings are applied to all events by default, but can be changed to suit each "
                     "events requirements.",
                     ConvertDialogToPixels(wxPoint(7, 7)), ConvertDialogToPixels(wxSize(386, 16)));
    AddSimulatorGroup(this, 7, 27);
    AddDamageGroup(this, 7, 57);
    AddWeatherGroup(this, 7, 87);
    AddRaceSettingsGroup(this, 203, 27, IDC_WARMUP_TIME, "Race length (1-100%):");
    AddTogglesGroup(this, 203, 155);

    AddNextRunNote(*this, 7, 275, 274, 18);
    DialogLayout(this).OkCancel(287, 278);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
}

void CDlgDefaultRace::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Default Race Configuration, v" + wxString::FromUTF8(ProgramVersion));
    m_values = *DefaultRace;
    if (Server->PathN3.empty())
        m_values.Sim = 1;
    if (Server->PathNL.empty())
        m_values.Sim = 0;
    FitRaceToInstallation(this, m_values);
    ShowRaceFields(this, readingOrder, m_values);
}

void CDlgDefaultRace::OnOK() {
    if (!ReadRaceFields(this, readingOrder, m_values))
        return;
    // A default race belongs to no calendar; its track, date and time stay as they were.
    RACE stored = m_values;
    stored.TrackNumber = 0;
    stored.CalendarFile.clear();
    stored.SimExe.clear();
    stored.WindDirection = ChosenPosition(this, IDC_WIND_DIRECTION, m_values.WindDirection);
    *DefaultRace = stored;
    WriteDefaultRace();
    FinishDialog(*this, wxID_OK);
}
