#include "ui/dialogs/dlg_default_race.h"

#include "core/app_state.h"
#include "ui/dialogs/race_controls.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/form_controls.h"
#include "ui/support/next_run_note.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 130;
const wxSize dialogSize(400, 300);

const std::vector<FieldControlId> controls = RaceFieldControls(IDC_WARMUP_TIME);

} // namespace

CDlgDefaultRace::CDlgDefaultRace(wxWindow* parent)
    : CDlgBase(templateId, parent, "Default Race Configuration", dialogSize) {
    new wxStaticText(this, wxID_ANY,
                     "These settings are applied to all events by default, but can be changed to suit each "
                     "events requirements.",
                     ConvertDialogToPixels(wxPoint(7, 7)), ConvertDialogToPixels(wxSize(386, 16)));
    AddSimulatorGroup(this, m_form, 7, 27);
    AddDamageGroup(this, m_form, 7, 57);
    AddWeatherGroup(this, m_form, 7, 87);
    AddRaceSettingsGroup(this, m_form, 203, 27, IDC_WARMUP_TIME);
    AddTogglesGroup(this, m_form, 203, 155);
    LimitFormTyping(this, m_form, controls);

    AddNextRunNote(*this, 7, 275, 274, 18);
    DialogLayout(this).OkCancel(287, 278);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
}

void CDlgDefaultRace::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Default Race Configuration, v" + wxString::FromUTF8(ProgramVersion));
    m_form = DefaultRaceForm();
    ShowForm(this, m_form, controls);
}

void CDlgDefaultRace::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        ShowFormProblem(this, *problem, controls);
        return;
    }
    FinishDialog(*this, wxID_OK);
}
