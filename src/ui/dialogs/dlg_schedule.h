#pragma once

#include "forms/schedule_editor.h"
#include "ui/support/dlg_base.h"

#include <functional>

class wxListBox;

// "Current Schedule": the window of the schedule editor. It works on copies of the events; only OK hands
// them to the program's schedule, in the order shown, and stores it.
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

private:
    void OnInitDialog(wxInitDialogEvent& event) override;
    void AddAll(SimulatorValue sim);
    // Shows the editor's lines, its selection and its buttons.
    void ShowEditor();

    EventEditor m_editEvent;
    wxListBox* m_events = nullptr;
    ScheduleEditor m_editor;
};
