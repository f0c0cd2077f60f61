#pragma once

#include "core/app_state.h"
#include "ui/support/dlg_base.h"

#include <functional>

class wxListBox;

// "Current Schedule": the editor of the schedule. It works on copies of the events; only OK hands them
// to the program's schedule, in the order shown.
class CDlgSchedule : public CDlgBase {
public:
    enum ControlId {
        IDC_EVENTS = 7500,
        IDC_ADD_ALL_N3 = 7501,
        IDC_ADD_ALL_NL = 7502,
        IDC_DELETE_ALL = 7503,
        IDC_ADD_EVENT = 7504,
        IDC_EDIT_EVENT = 7505,
        IDC_DELETE_EVENT = 7506,
        IDC_MOVE_UP = 7507,
        IDC_MOVE_DOWN = 7508,
    };

    // Edits one event modally and gives the dialog's result; the program's opens the event dialog.
    using EventEditor = std::function<int(wxWindow* owner, RACE& event, bool isNew)>;

    explicit CDlgSchedule(wxWindow* parent);
    CDlgSchedule(wxWindow* parent, EventEditor editEvent);

    void UpdateButtons();
    void OnRaceadd();
    void OnEditEvent();
    void OnDeleteEvent();
    void OnDeleteAll();
    void OnMoveUp();
    void OnMoveDown();
    void OnAddAllN3();
    void OnAddAllNL();
    void OnOK();
    void OnCancel();

    // After OK: whether the schedule handed over differs from the one before. Its runner's remembered
    // place ("LastRace") is then forgotten, as after an edit in the event dialog.
    bool ScheduleChanged() const { return m_scheduleChanged; }

private:
    void OnInitDialog(wxInitDialogEvent& event) override;
    void AddAll(int sim);
    void AppendLine(RACE& event);
    void MoveSelected(int step);
    RACE& EventOfLine(int line) const;
    void Finish(int result);

    EventEditor m_editEvent;
    wxListBox* m_events = nullptr;
    RaceList m_working;
    bool m_scheduleChanged = false;
};
