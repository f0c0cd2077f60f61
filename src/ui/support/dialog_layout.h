#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxButton;
class wxDialog;
class wxTextCtrl;
class wxWindow;

// Places a dialog's controls in dialog units, each kind at the height the dialogs give it.
class DialogLayout {
public:
    explicit DialogLayout(wxWindow* dialog) : m_dialog(dialog) {}

    wxPoint At(int x, int y) const;
    wxSize Size(int width, int height) const;

    void Group(const wxString& title, int x, int y, int width, int height) const;
    // A one-line label, set a little lower than the field it stands beside.
    void Label(const wxString& text, int x, int y, int width) const;
    // A text of several lines, wrapped to its width.
    void Note(const wxString& text, int x, int y, int width, int height) const;
    wxTextCtrl* Edit(int id, int x, int y, int width) const;
    void Check(int id, const wxString& label, int x, int y, int width) const;
    // The first button of a radio group begins the group.
    void Radio(int id, const wxString& label, int x, int y, int width, bool first) const;
    wxButton* Button(int id, const wxString& label, int x, int y, int width) const;
    // OK (the default button) and Cancel, side by side from x.
    void OkCancel(int x, int y, const wxString& okLabel = "OK") const;

private:
    wxWindow* m_dialog;
};

// Ends a modal dialog with the result; one shown without a modal run (tests) only takes the result.
void FinishDialog(wxDialog& dialog, int result);
