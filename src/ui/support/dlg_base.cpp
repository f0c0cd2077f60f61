#include "ui/support/dlg_base.h"

CDlgBase::CDlgBase(int templateId, wxWindow* parent, const wxString& caption, const wxSize& size)
    : wxDialog(parent, templateId, caption, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(ConvertDialogToPixels(size));
    Bind(wxEVT_INIT_DIALOG, &CDlgBase::OnInitDialog, this);
    Bind(wxEVT_MOVE, &CDlgBase::OnMove, this);
}

void CDlgBase::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    wxWindow* owner = GetParent();
    if (owner != nullptr && owner->IsShown() &&
        !(owner->IsTopLevel() && static_cast<wxTopLevelWindow*>(owner)->IsIconized()))
        CentreOnParent();
    else
        CentreOnScreen();
    m_initialised = true;
}

void CDlgBase::OnMove(wxMoveEvent& event) {
    event.Skip();
    auto* owner = dynamic_cast<wxDialog*>(GetParent());
    if (owner == nullptr || !m_initialised)
        return;
    // The owner moves in turn, and so passes the move on down the stack.
    owner->SetSize(GetRect());
    owner->Refresh();
}
