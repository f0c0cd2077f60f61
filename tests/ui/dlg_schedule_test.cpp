#include "ui/dialogs/dlg_schedule.h"

#include "race_dialog_fixture.h"

using Texts = std::vector<std::string>;
using D = CDlgSchedule;

class ScheduleEditorTest : public RaceDialogTest {
protected:
    ScheduleEditorTest() {
        for (const char* track : {"Ashford", "Bayview", "Oak Ridge"}) {
            EventList.push_back(std::make_unique<RACE>(*DefaultRace));
            EventList.back()->TrackName = track;
        }
    }

    // The event dialog stands in: it records the event it was given, "+" for a new one.
    void OpenEditor() {
        editor = std::make_unique<D>(nullptr, [this](wxWindow*, RACE& event, bool isNew) {
            edits.push_back((isNew ? "+" : "") + event.TrackName);
            event.TrackName = "Edited";
            return wxID_OK;
        });
        Open(*editor);
    }
    wxListBox* List() { return Find<wxListBox>(*editor, D::IDC_EVENTS); }
    // The track names of the schedule, between "|".
    static std::string Scheduled() {
        std::string names;
        for (const auto& event : EventList)
            names += (names.empty() ? "" : "|") + event->TrackName;
        return names;
    }
    // The lines, the chosen line, and whether Edit, Delete, Move Up and Move Down are enabled.
    std::string State() {
        return Lines(List()) + " @" + std::to_string(List()->GetSelection()) + " " +
               EnabledStates(*editor,
                             {D::IDC_EDIT_EVENT, D::IDC_DELETE_EVENT, D::IDC_MOVE_UP, D::IDC_MOVE_DOWN});
    }

    std::unique_ptr<D> editor;
    Texts edits;
};

// The editor's rules are tested on ScheduleEditor; here the list, the buttons and the messages follow it,
// the event dialog gets its event, and OK and Cancel end the editor. A mended fault: a calendar that
// fails never throws the edits away.
TEST_F(ScheduleEditorTest, TheListAndButtonsFollowTheEditorAndOkStoresTheScheduleWhileCancelKeepsIt) {
    OpenEditor();
    EXPECT_EQ(editor->GetTitle(), "Current Schedule, v0.1.0");
    EXPECT_EQ(State(), "Ashford|Bayview|Oak Ridge @0 EE-E");
    Click(*editor, D::IDC_MOVE_DOWN);
    SelectLine(List(), 2);
    Click(*editor, D::IDC_EDIT_EVENT);
    Click(*editor, D::IDC_ADD_EVENT);
    EXPECT_EQ(edits, (Texts{"Oak Ridge", "+"}));
    Click(*editor, D::IDC_DELETE_EVENT);
    EXPECT_EQ(State(), "Bayview|Ashford|Edited @2 EEE-");
    recorder.answers = {MessageAnswer::No};
    Click(*editor, D::IDC_DELETE_ALL);
    EXPECT_EQ(recorder.messages.at(0).text,
              "This will delete ALL events from the schedule.\nAre you sure you want to do this?");
    CalendarN3.reset();
    Click(*editor, D::IDC_ADD_ALL_N3);
    Click(*editor, D::IDC_ADD_ALL_NL);
    EXPECT_EQ(recorder.messages.at(1).text, "Calendar file not initialized");
    EXPECT_EQ(State(), "Bayview|Ashford|Edited|Oak Ridge|Millbrook @2 EEE-");
    Click(*editor, wxID_CANCEL);
    EXPECT_EQ(Scheduled(), "Ashford|Bayview|Oak Ridge");
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));

    Server->PathNL.clear();
    OpenEditor();
    EXPECT_EQ(EnabledStates(*editor, {D::IDC_ADD_ALL_N3, D::IDC_ADD_ALL_NL}), "E-");
    Click(*editor, D::IDC_DELETE_EVENT);
    ClickOk(*editor);
    EXPECT_EQ(Scheduled(), "Bayview|Oak Ridge");
    EXPECT_TRUE(Stored("Events=2\r\n"));
}
