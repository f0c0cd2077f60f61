#include "ui/dialogs/dlg_publish.h"

#include "ui/support/dialog_layout.h"
#include "ui/support/form_controls.h"
#include "ui/support/next_run_note.h"

namespace {

constexpr int templateId = 160;
const wxSize dialogSize(260, 150);

using Dlg = CDlgPublish;

const FieldControlId controls[] = {
    {"publish_folder", Dlg::IDC_PUBLISH_FOLDER},
    {"publish_title", Dlg::IDC_PUBLISH_TITLE},
    {"max_race_minutes", Dlg::IDC_MAX_RACE_MINUTES},
};

} // namespace

CDlgPublish::CDlgPublish(wxWindow* parent) : wxDialog(parent, templateId, "Unattended Running") {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    DialogLayout place(this);
    int y = 7;
    for (const FieldControlId& control : controls) {
        place.Label(m_form.Field(control.key).label, 7, y, 246);
        place.Edit(control.id, 7, y + 12, control.id == IDC_MAX_RACE_MINUTES ? 40 : 246);
        y += 32;
    }
    ShowForm(this, m_form, controls);
    LimitFormTyping(this, m_form, controls);
    AddNextRunNote(*this, 7, 101, 246, 24);
    place.OkCancel(149, 129);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
}

void CDlgPublish::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        ShowFormProblem(this, *problem, controls);
        return;
    }
    FinishDialog(*this, wxID_OK);
}
