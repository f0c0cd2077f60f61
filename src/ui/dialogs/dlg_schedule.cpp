#include "ui/dialogs/dlg_schedule.h"

#include "platform/messages.h"
#include "platform/windows_1252.h"
#include "simfiles/calendars.h"
#include "ui/dialogs/dlg_sched_config.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"

#include <algorithm>
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
    m_events->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { UpdateButtons(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
}

void CDlgSchedule::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Current Schedule, v" + wxString::FromUTF8(ProgramVersion));
    FindWindow(IDC_ADD_ALL_N3)->Enable(!Server->PathN3.empty());
    FindWindow(IDC_ADD_ALL_NL)->Enable(!Server->PathNL.empty());
    m_working.clear();
    m_events->Clear();
    for (const auto& scheduled : EventList) {
        m_working.push_back(std::make_unique<RACE>(*scheduled));
        AppendLine(*m_working.back());
    }
    if (!m_working.empty())
        m_events->SetSelection(0);
    UpdateButtons();
}

void CDlgSchedule::UpdateButtons() {
    int count = static_cast<int>(m_events->GetCount());
    int selected = m_events->GetSelection();
    FindWindow(IDC_EDIT_EVENT)->Enable(count > 0);
    FindWindow(IDC_DELETE_EVENT)->Enable(count > 0);
    FindWindow(IDC_MOVE_UP)->Enable(count > 0 && selected > 0);
    FindWindow(IDC_MOVE_DOWN)->Enable(count > 0 && selected < count - 1);
}

void CDlgSchedule::AppendLine(RACE& event) {
    m_events->Append(wxString::FromUTF8(Utf8FromStored(event.TrackName)), &event);
}

RACE& CDlgSchedule::EventOfLine(int line) const {
    return *static_cast<RACE*>(m_events->GetClientData(static_cast<unsigned>(line)));
}

void CDlgSchedule::OnRaceadd() {
    auto event = std::make_unique<RACE>();
    if (m_editEvent(this, *event, true) == wxID_OK) {
        m_working.push_back(std::move(event));
        AppendLine(*m_working.back());
        m_events->SetSelection(static_cast<int>(m_events->GetCount()) - 1);
    }
    UpdateButtons();
}

void CDlgSchedule::OnEditEvent() {
    int line = m_events->GetSelection();
    if (line == wxNOT_FOUND)
        return;
    RACE& event = EventOfLine(line);
    if (m_editEvent(this, event, false) == wxID_OK)
        m_events->SetString(static_cast<unsigned>(line), wxString::FromUTF8(Utf8FromStored(event.TrackName)));
    m_events->SetSelection(line);
    UpdateButtons();
}

void CDlgSchedule::OnDeleteEvent() {
    int line = m_events->GetSelection();
    if (line == wxNOT_FOUND)
        return;
    RACE* event = &EventOfLine(line);
    m_events->Delete(static_cast<unsigned>(line));
    std::erase_if(m_working, [event](const auto& owned) { return owned.get() == event; });
    int count = static_cast<int>(m_events->GetCount());
    if (count > 0)
        m_events->SetSelection(std::min(line, count - 1));
    UpdateButtons();
}

void CDlgSchedule::OnDeleteAll() {
    if (ShowMessage("This will delete ALL events from the schedule.\nAre you sure you want to do this?",
                    MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_events->Clear();
    m_working.clear();
    UpdateButtons();
}

void CDlgSchedule::OnMoveUp() {
    MoveSelected(-1);
}

void CDlgSchedule::OnMoveDown() {
    MoveSelected(1);
}

void CDlgSchedule::MoveSelected(int step) {
    int line = m_events->GetSelection();
    int target = line + step;
    if (line == wxNOT_FOUND || target < 0 || target >= static_cast<int>(m_events->GetCount()))
        return;
    RACE* event = &EventOfLine(line);
    wxString text = m_events->GetString(static_cast<unsigned>(line));
    m_events->Delete(static_cast<unsigned>(line));
    m_events->Insert(text, static_cast<unsigned>(target), event);
    m_events->SetSelection(target);
    UpdateButtons();
}

void CDlgSchedule::OnAddAllN3() {
    AddAll(0);
}

void CDlgSchedule::OnAddAllNL() {
    AddAll(1);
}

void CDlgSchedule::AddAll(int sim) {
    const CCalendarFile* calendar =
        sim == 1 ? static_cast<const CCalendarFile*>(CalendarNL.get()) : CalendarN3.get();
    // Without tracks nothing is added, and the schedule built so far stays in the editor.
    if (calendar == nullptr) {
        ShowMessage("Calendar file not initialized");
        return;
    }
    int count = calendar->GetTrackCount();
    if (count == 0) {
        ShowMessage("Schedule Tab reports no tracks found in specified calendar file.");
        return;
    }
    std::vector<std::string> names = calendar->GetTrackNames();
    for (int entry = 0; entry < count; ++entry) {
        auto event = std::make_unique<RACE>(*DefaultRace);
        event->SimExe = sim == 1 ? Server->PathNL + Server->ExeFileNL : Server->PathN3 + Server->ExeFileN3;
        event->CalendarFile = calendar->GetFileName();
        event->TrackName = names[static_cast<size_t>(entry)];
        event->TrackId = calendar->GetTrackId(entry);
        event->Sim = sim;
        event->TrackNumber = entry + 1;
        m_working.push_back(std::move(event));
        AppendLine(*m_working.back());
    }
}

void CDlgSchedule::OnOK() {
    RaceList schedule;
    for (unsigned line = 0; line < m_events->GetCount(); ++line)
        schedule.push_back(std::make_unique<RACE>(EventOfLine(static_cast<int>(line))));
    m_scheduleChanged = !std::equal(schedule.begin(), schedule.end(), EventList.begin(), EventList.end(),
                                    [](const auto& shown, const auto& stored) { return *shown == *stored; });
    if (m_scheduleChanged)
        Server->LastRace = -1;
    ClearEvents();
    EventList = std::move(schedule);
    m_working.clear();
    Finish(wxID_OK);
}

void CDlgSchedule::OnCancel() {
    m_working.clear();
    Finish(wxID_CANCEL);
}

void CDlgSchedule::Finish(int result) {
    m_events->Clear();
    FinishDialog(*this, result);
}
