#include "ui/dialogs/dlg_schedule.h"

#include "core/app_state.h"
#include "platform/messages.h"
#include "ui/dialogs/dlg_sched_config.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 145;
const wxSize dialogSize(400, 300);

int EditInEventDialog(wxWindow* owner, RACE& event, bool isNew) {
    CDlgSchedConfig dialog(owner);
    dialog.SetRace(&event, isNew);
    return dialog.ShowModal();
}

} // namespace

CDlgSchedule::CDlgSchedule(wxWindow* parent) : CDlgSchedule(parent, EditInEventDialog) {}

CDlgSchedule::CDlgSchedule(wxWindow* parent, EventEditor editEvent)
    : CDlgBase(templateId, parent, "Current Schedule", dialogSize), m_editEvent(std::move(editEvent)) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };

    new wxStaticText(this, wxID_ANY, "Current Schedule", at(7, 7), size(250, 8), wxALIGN_CENTRE_HORIZONTAL);
    m_events = new wxListBox(this, IDC_EVENTS, at(7, 18), size(250, 252), 0, nullptr, wxLB_SINGLE);
    const std::pair<int, const char*> buttons[] = {{IDC_ADD_ALL_N3, "Add All N3 Events"},
                                                   {IDC_ADD_ALL_NL, "Add All NL Events"},
                                                   {IDC_DELETE_ALL, "Delete All Events"},
                                                   {IDC_ADD_EVENT, "Add Event..."},
                                                   {IDC_EDIT_EVENT, "Edit Event..."},
                                                   {IDC_DELETE_EVENT, "Delete Event"},
                                                   {IDC_MOVE_UP, "Move Up"},
                                                   {IDC_MOVE_DOWN, "Move Down"}};
    int y = 18;
    for (auto [id, label] : buttons) {
        new wxButton(this, id, label, at(268, y), size(125, 14));
        // The three buttons for the whole schedule stand apart from those for one event.
        y += id == IDC_DELETE_ALL ? 30 : 18;
    }
    AddNextRunNote(*this, 7, 275, 274, 18);
    DialogLayout(this).OkCancel(287, 278, "Okay");

    const std::pair<int, void (CDlgSchedule::*)()> handlers[] = {
        {IDC_ADD_ALL_N3, &CDlgSchedule::OnAddAllN3},
        {IDC_ADD_ALL_NL, &CDlgSchedule::OnAddAllNL},
        {IDC_DELETE_ALL, &CDlgSchedule::OnDeleteAll},
        {IDC_ADD_EVENT, &CDlgSchedule::OnRaceadd},
        {IDC_EDIT_EVENT, &CDlgSchedule::OnEditEvent},
        {IDC_DELETE_EVENT, &CDlgSchedule::OnDeleteEvent},
        {IDC_MOVE_UP, &CDlgSchedule::OnMoveUp},
        {IDC_MOVE_DOWN, &CDlgSchedule::OnMoveDown},
        {wxID_OK, &CDlgSchedule::OnOK},
        {wxID_CANCEL, &CDlgSchedule::OnCancel}};
    for (const auto& [id, method] : handlers)
        FindWindow(id)->Bind(wxEVT_BUTTON, [this, handler = method](wxCommandEvent&) { (this->*handler)(); });
    m_events->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
        m_editor.Select(m_events->GetSelection());
        ShowEditor();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
}

void CDlgSchedule::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Current Schedule, v" + wxString::FromUTF8(ProgramVersion));
    FindWindow(IDC_ADD_ALL_N3)->Enable(ScheduleEditor::CanAddAll(SimulatorN3));
    FindWindow(IDC_ADD_ALL_NL)->Enable(ScheduleEditor::CanAddAll(SimulatorNL));
    m_editor = ScheduleEditor();
    ShowEditor();
}

void CDlgSchedule::ShowEditor() {
    std::vector<std::string> lines = m_editor.Lines();
    // Lines that stay are changed in place, so the list keeps its scrolling.
    while (m_events->GetCount() > lines.size())
        m_events->Delete(m_events->GetCount() - 1);
    for (unsigned line = 0; line < lines.size(); ++line) {
        wxString text = wxString::FromUTF8(lines[line]);
        if (line == m_events->GetCount())
            m_events->Append(text);
        else if (m_events->GetString(line) != text)
            m_events->SetString(line, text);
    }
    m_events->SetSelection(m_editor.Selected());
    const ScheduleEditor::Buttons& buttons = m_editor.ButtonStates();
    FindWindow(IDC_EDIT_EVENT)->Enable(buttons.edit);
    FindWindow(IDC_DELETE_EVENT)->Enable(buttons.remove);
    FindWindow(IDC_MOVE_UP)->Enable(buttons.moveUp);
    FindWindow(IDC_MOVE_DOWN)->Enable(buttons.moveDown);
}

void CDlgSchedule::OnRaceadd() {
    RACE event;
    bool added = m_editEvent(this, event, true) == wxID_OK;
    m_editor.Add(added ? std::optional(std::move(event)) : std::nullopt);
    ShowEditor();
}

void CDlgSchedule::OnEditEvent() {
    if (m_editor.SelectedEvent() == nullptr)
        return;
    // The event dialog changes its event only on OK.
    RACE event = *m_editor.SelectedEvent();
    bool edited = m_editEvent(this, event, false) == wxID_OK;
    m_editor.Edit(edited ? std::optional(std::move(event)) : std::nullopt);
    ShowEditor();
}

void CDlgSchedule::OnDeleteEvent() {
    m_editor.Delete();
    ShowEditor();
}

void CDlgSchedule::OnDeleteAll() {
    Message question = ScheduleEditor::DeleteAllQuestion();
    if (ShowMessage(question.text, question.icon, question.buttons) != MessageAnswer::Yes)
        return;
    m_editor.DeleteAll();
    ShowEditor();
}

void CDlgSchedule::OnMoveUp() {
    m_editor.MoveUp();
    ShowEditor();
}

void CDlgSchedule::OnMoveDown() {
    m_editor.MoveDown();
    ShowEditor();
}

void CDlgSchedule::OnAddAllN3() {
    AddAll(SimulatorN3);
}

void CDlgSchedule::OnAddAllNL() {
    AddAll(SimulatorNL);
}

void CDlgSchedule::AddAll(SimulatorValue sim) {
    if (std::optional<Message> problem = m_editor.AddAll(sim)) {
        ShowMessage(problem->text, problem->icon, problem->buttons);
        return;
    }
    ShowEditor();
}

void CDlgSchedule::OnOK() {
    m_editor.Accept();
    FinishDialog(*this, wxID_OK);
}

void CDlgSchedule::OnCancel() {
    FinishDialog(*this, wxID_CANCEL);
}
