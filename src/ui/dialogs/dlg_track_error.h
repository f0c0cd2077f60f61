#pragma once

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

// "Track Error": asks for the display name of a calendar track that the track dictionary lacks. OK
// closes it only with a name; Escape or the close box end it with Cancel and no name.
class CDlgTrackError : public wxDialog {
public:
    enum ControlId { IDC_TRACK_NAME = 7702, IDC_FIRST_LINE = 7703, IDC_SECOND_LINE = 7704 };

    CDlgTrackError(int itemNumber, const std::string& trackId, const std::string& simulatorName,
                   wxWindow* parent);

    // The name the operator gave; empty unless the dialog ended with OK.
    const std::string& TrackName() const { return m_trackName; }

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void Finish(int result);

    std::string m_trackName;
    int m_itemNumber;
    std::string m_simulatorName;
    std::string m_trackId;
    wxTextCtrl* m_nameField;
};
