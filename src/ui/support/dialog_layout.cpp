#include "ui/support/dialog_layout.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

wxPoint DialogLayout::At(int x, int y) const {
    return m_dialog->ConvertDialogToPixels(wxPoint(x, y));
}

wxSize DialogLayout::Size(int width, int height) const {
    return m_dialog->ConvertDialogToPixels(wxSize(width, height));
}

void DialogLayout::Group(const wxString& title, int x, int y, int width, int height) const {
    new wxStaticBox(m_dialog, wxID_ANY, title, At(x, y), Size(width, height));
}

void DialogLayout::Label(const wxString& text, int x, int y, int width) const {
    new wxStaticText(m_dialog, wxID_ANY, text, At(x, y + 2), Size(width, 8));
}

void DialogLayout::Note(const wxString& text, int x, int y, int width, int height) const {
    auto* note = new wxStaticText(m_dialog, wxID_ANY, text, At(x, y), Size(width, height));
    note->Wrap(Size(width, height).GetWidth());
}

wxTextCtrl* DialogLayout::Edit(int id, int x, int y, int width) const {
    return new wxTextCtrl(m_dialog, id, "", At(x, y), Size(width, 12));
}

void DialogLayout::Check(int id, const wxString& label, int x, int y, int width) const {
    new wxCheckBox(m_dialog, id, label, At(x, y), Size(width, 10));
}

void DialogLayout::Radio(int id, const wxString& label, int x, int y, int width, bool first) const {
    new wxRadioButton(m_dialog, id, label, At(x, y), Size(width, 10), first ? wxRB_GROUP : 0);
}

wxButton* DialogLayout::Button(int id, const wxString& label, int x, int y, int width) const {
    return new wxButton(m_dialog, id, label, At(x, y), Size(width, 14));
}

void DialogLayout::OkCancel(int x, int y, const wxString& okLabel) const {
    Button(wxID_OK, okLabel, x, y, 50)->SetDefault();
    Button(wxID_CANCEL, "Cancel", x + 56, y, 50);
}

void FinishDialog(wxDialog& dialog, int result) {
    if (dialog.IsModal()) {
        dialog.EndModal(result);
    } else {
        dialog.SetReturnCode(result);
        dialog.Hide();
    }
}
