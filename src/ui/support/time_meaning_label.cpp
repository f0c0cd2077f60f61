#include "ui/support/time_meaning_label.h"

#include "forms/time_meaning.h"

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

void AddTimeMeaning(wxWindow& dialog, const TimeFieldIds& ids, int x, int y, int width) {
    new wxStaticText(&dialog, ids.meaning, "", dialog.ConvertDialogToPixels(wxPoint(x, y)),
                     dialog.ConvertDialogToPixels(wxSize(width, 8)), wxST_NO_AUTORESIZE);
    dialog.FindWindow(ids.time)->Bind(wxEVT_TEXT, [&dialog, ids](wxCommandEvent& event) {
        event.Skip();
        ShowTimeMeaning(dialog, ids);
    });
    dialog.FindWindow(ids.pm)->Bind(wxEVT_CHECKBOX, [&dialog, ids](wxCommandEvent& event) {
        event.Skip();
        ShowTimeMeaning(dialog, ids);
    });
}

void ShowTimeMeaning(wxWindow& dialog, const TimeFieldIds& ids) {
    std::string time = static_cast<wxTextCtrl*>(dialog.FindWindow(ids.time))->GetValue().utf8_string();
    bool pm = static_cast<wxCheckBox*>(dialog.FindWindow(ids.pm))->GetValue();
    dialog.FindWindow(ids.meaning)->SetLabel(wxString::FromUTF8(TimeMeaning(time, pm)));
}
