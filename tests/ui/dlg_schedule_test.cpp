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
            if (nextResult == wxID_OK)
                event.TrackName = "Edited";
            return nextResult;
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
    int nextResult = wxID_OK;
};

TEST_F(ScheduleEditorTest, OpensOnCopiesWithTheFirstLineChosenAndOkHandsOverTheMovesAndEdits) {
    OpenEditor();
    EXPECT_EQ(editor->GetTitle(), "Current Schedule, v0.1.0");
    EXPECT_EQ(EnabledStates(*editor, {D::IDC_ADD_ALL_N3, D::IDC_ADD_ALL_NL}), "EE");
    EXPECT_EQ(State(), "Ashford|Bayview|Oak Ridge @0 EE-E");
    for (int k = 0; k < 3; ++k)
        Click(*editor, D::IDC_MOVE_DOWN);
    EXPECT_EQ(State(), "Bayview|Oak Ridge|Ashford @2 EEE-");
    SelectLine(List(), 1);
    Click(*editor, D::IDC_EDIT_EVENT);
    EXPECT_EQ(edits, Texts{"Oak Ridge"});
    SelectLine(List(), 0);
    Click(*editor, D::IDC_MOVE_UP);
    EXPECT_EQ(Scheduled(), "Ashford|Bayview|Oak Ridge");
    ClickOk(*editor);
    EXPECT_EQ(Scheduled(), "Bayview|Edited|Ashford");

    Server->PathNL.clear();
    OpenEditor();
    EXPECT_EQ(EnabledStates(*editor, {D::IDC_ADD_ALL_N3, D::IDC_ADD_ALL_NL}), "E-");
}

TEST_F(ScheduleEditorTest, AddingChoosesTheNewLineDeletingTheOneInItsPlaceAndCancelKeepsTheSchedule) {
    RACE first = *EventList.front();
    OpenEditor();
    nextResult = wxID_CANCEL;
    Click(*editor, D::IDC_ADD_EVENT);
    nextResult = wxID_OK;
    Click(*editor, D::IDC_ADD_EVENT);
    EXPECT_EQ(edits, (Texts{"+", "+"}));
    EXPECT_EQ(State(), "Ashford|Bayview|Oak Ridge|Edited @3 EEE-");
    SelectLine(List(), 1);
    Click(*editor, D::IDC_DELETE_EVENT);
    EXPECT_EQ(State(), "Ashford|Oak Ridge|Edited @1 EEEE");
    SelectLine(List(), 2);
    Click(*editor, D::IDC_DELETE_EVENT);
    EXPECT_EQ(State(), "Ashford|Oak Ridge @1 EEE-");
    for (int id : {D::IDC_EDIT_EVENT, D::IDC_DELETE_EVENT, D::IDC_DELETE_EVENT})
        Click(*editor, id);
    EXPECT_EQ(State(), " @-1 ----");
    Click(*editor, wxID_CANCEL);
    EXPECT_EQ(editor->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(Scheduled(), "Ashford|Bayview|Oak Ridge");
    EXPECT_EQ(*EventList.front(), first);
}

// With no line chosen the buttons act on nothing.
TEST_F(ScheduleEditorTest, DeleteAllAsksFirstAndAddAllAppendsDefaultRacesWithoutChoosingALine) {
    OpenEditor();
    recorder.answers = {MessageAnswer::No, MessageAnswer::Yes};
    Click(*editor, D::IDC_DELETE_ALL);
    EXPECT_EQ(Lines(List()), "Ashford|Bayview|Oak Ridge");
    Click(*editor, D::IDC_DELETE_ALL);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].text,
              "This will delete ALL events from the schedule.\nAre you sure you want to do this?");
    EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(State(), " @-1 ----");

    Click(*editor, D::IDC_ADD_ALL_NL);
    Click(*editor, D::IDC_ADD_ALL_N3);
    nextResult = wxID_CANCEL;
    Click(*editor, D::IDC_ADD_EVENT);
    ASSERT_EQ(State(), "Oak Ridge|Millbrook|Ashford|Bayview|Cedar Park @-1 EE-E");
    for (int id : {D::IDC_EDIT_EVENT, D::IDC_DELETE_EVENT, D::IDC_MOVE_DOWN})
        Click(*editor, id);
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_EQ(State(), "Oak Ridge|Millbrook|Ashford|Bayview|Cedar Park @-1 EE-E");

    Click(*editor, wxID_OK);
    RACE expected = *DefaultRace;
    expected.Sim = 1;
    expected.SimExe = program.File("nl/") + "legends.exe";
    expected.CalendarFile = program.File("nl.cal");
    expected.TrackName = "Millbrook";
    expected.TrackId = "millbrk";
    expected.TrackNumber = 2;
    EXPECT_EQ(*EventList.at(1), expected);
    EXPECT_EQ(EventList.at(4)->SimExe, program.File("n3/") + "nascar3.exe");
}

// A mended fault: a calendar that fails never throws the edits away.
TEST_F(ScheduleEditorTest, AddAllWithoutTracksKeepsTheEditorAndItsWork) {
    CalendarNL.reset();
    CreateCalendarN3(program.File("missing.cal"));
    OpenEditor();
    Click(*editor, D::IDC_DELETE_EVENT);
    Click(*editor, D::IDC_ADD_ALL_NL);
    Click(*editor, D::IDC_ADD_ALL_N3);
    EXPECT_EQ(recorder.Texts(), (Texts{"Calendar file not initialized",
                                       "Schedule Tab reports no tracks found in specified calendar file."}));
    EXPECT_EQ(editor->GetReturnCode(), 0);
    Click(*editor, wxID_OK);
    EXPECT_EQ(Scheduled(), "Bayview|Oak Ridge");
}
