#pragma once

#include "forms/event_form.h"
#include "ui/support/dlg_base.h"

class wxListBox;

// "Schedule Configuration": one event of the schedule, its simulator, its track from that simulator's
// calendar, its settings and, when events run at their own date and time, when it runs. It edits
// copies and writes them into the event only when OK passes every check.
class CDlgSchedConfig : public CDlgBase {
public:
    explicit CDlgSchedConfig(wxWindow* parent);

    // The event that OK writes into; a new one starts from the default race's settings.
    void SetRace(RACE* event, bool isNew);

    void OnOK();
    // The calendar of the chosen simulator in the track list, its line chosen as the event's; a click on
    // either simulator runs it.
    void FillTrackList();
    void OnSelchangeTrack();

private:
    void OnInitDialog(wxInitDialogEvent& event) override;

    RACE* m_event = nullptr;
    bool m_isNew = true;
    // Until the dialog opens on its event, the form only gives the labels.
    EventForm m_form{nullptr, true};
    wxListBox* m_trackList = nullptr;
};
