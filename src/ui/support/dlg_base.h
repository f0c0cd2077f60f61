#pragma once

#include <wx/dialog.h>

// The base of the program's dialogs. Each opens centred over the dialog that opened it and, whenever it
// is moved, moves that one along to the same place, so a stack of dialogs of one size moves as one
// window.
class CDlgBase : public wxDialog {
public:
    // The template id is the window's id; the size is in dialog units.
    CDlgBase(int templateId, wxWindow* parent, const wxString& caption, const wxSize& size);

    bool IsInitialised() const { return m_initialised; }

protected:
    virtual void OnInitDialog(wxInitDialogEvent& event);

private:
    void OnMove(wxMoveEvent& event);

    bool m_initialised = false;
};
